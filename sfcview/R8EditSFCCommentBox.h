// The comment box of a note as the chart draws it: the note element holds
// the box (through the portable note-box interface) and the chart asks it to
// paint the note into the note's rectangle.
//
// CR8EditSFCTextNoteBox is the box the chart window gives notes for now: it
// shows the note text word-wrapped in a raised frame. Pictures, text files
// and embedded objects come with the full comment box, behind the same
// interface.
#pragma once

#include "chart/R8NoteBox.h"
#include "frame/Win32.h"
#include "sfcview/Q2GDIWrapApi.h"

#include <memory>
#include <string>

class CR8EditSFCCommentBox : public CR8NoteBox
{
public:
    // Paints the note into the rectangle with the device context's font.
    // highlight draws it in the highlight colour; blackWhite in black.
    virtual void DrawNote(HDC dc, const RECT& rect, bool highlight, bool blackWhite,
                          CQ2GDIWrapApi& gdi) = 0;
};

class CR8EditSFCTextNoteBox : public CR8EditSFCCommentBox
{
public:
    void SetNoteText(const std::string& text) override { m_text = text; }
    void Reload() override {}
    void DrawNote(HDC dc, const RECT& rect, bool highlight, bool blackWhite,
                  CQ2GDIWrapApi& gdi) override;

    const std::string& GetNoteText() const { return m_text; }

private:
    std::string m_text;
};

// A fresh box for a new note (what the chart window answers as note parent).
std::unique_ptr<CR8NoteBox> CreateChartNoteBox();

// The text-note drawing by itself: a raised frame filled white, then the
// text word-wrapped inside (3 pixels in horizontally, 2 vertically).
void DrawTextNote(HDC dc, const RECT& rect, const std::string& text, bool highlight,
                  bool blackWhite, CQ2GDIWrapApi& gdi);
