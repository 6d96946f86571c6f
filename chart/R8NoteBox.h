// The note element's link to its comment box. The box that renders note texts
// belongs to the window layer; the note only hands it the text to show.
#pragma once

#include <memory>
#include <string>

class CR8NoteBox
{
public:
    virtual ~CR8NoteBox() = default;
    // The note text with trailing white space removed.
    virtual void SetNoteText(const std::string& text) = 0;
    // Reloads an embedded picture the text names.
    virtual void Reload() = 0;
    // Opens the box's editor for the note; the answer is the editor's result
    // (0 when the box has no editor).
    virtual int Edit() { return 0; }
};

// The chart window as the parent of every new note's comment box. Without a
// parent a note keeps its text and has no box.
class CR8NoteParent
{
public:
    virtual ~CR8NoteParent() = default;
    virtual std::unique_ptr<CR8NoteBox> CreateNoteBox() = 0;
};
