// The settings files of the workbench, read with our own parser so that a
// file may also be stored scrambled and every lookup ignores case.
//
// Rules of a line: "[" in the first column opens a section named by the text
// up to the first ";" or "]", trimmed and upper-cased; a repeated section name
// opens a new section which lookups then find. Inside a section, a line with
// "=" that does not begin with ";" (after leading blanks) is an entry: key and
// value are the trimmed texts around the first "=". Lookups find the last entry
// of a key. Lines before the first section header are ignored.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace r8
{

class CQ2RTLIniEntry
{
public:
    CQ2RTLIniEntry(std::string key, std::string value)
        : m_key(std::move(key)), m_value(std::move(value))
    {
    }
    virtual ~CQ2RTLIniEntry() = default;

    const std::string& GetKey() const { return m_key; } // as written, trimmed
    const std::string& GetValue() const { return m_value; }

private:
    std::string m_key;
    std::string m_value;
};

class CQ2RTLIniSection
{
public:
    explicit CQ2RTLIniSection(std::string name) : m_name(std::move(name)) {}
    virtual ~CQ2RTLIniSection() = default;

    const std::string& GetName() const { return m_name; } // upper-cased

    // Appends the entry; lookups of its key find it from now on.
    void AddEntry(std::string key, std::string value);

    // Null for a missing (or null) key.
    const CQ2RTLIniEntry* FindEntry(const char* key) const;

    // Every entry in file order, repeated keys included.
    const std::vector<std::unique_ptr<CQ2RTLIniEntry>>& GetEntries() const { return m_entries; }

private:
    std::string m_name;
    std::vector<std::unique_ptr<CQ2RTLIniEntry>> m_entries;
    std::map<std::string, const CQ2RTLIniEntry*> m_map; // upper-cased key
};

class CQ2RTLIni
{
public:
    CQ2RTLIni() = default;
    virtual ~CQ2RTLIni() = default;

    CQ2RTLIni(const CQ2RTLIni&) = delete;
    CQ2RTLIni& operator=(const CQ2RTLIni&) = delete;

    // Forgets what was loaded, then reads the file, plain or scrambled. A
    // file that cannot be opened leaves the object empty and answers false.
    bool LoadIni(const char* path);

    // Parses one line (without its line end) into the current state.
    void ParseIniLine(std::string_view line);

    // The default when the section or key is missing or the value is empty;
    // true for "1", "ON" or "TRUE" in any case; false for any other value.
    bool GetIniBool(const char* section, const char* key, bool defaultValue) const;

    // The value, or the default when the section or key is missing or the
    // value is empty. A null default reads as empty.
    std::string GetIniString(const char* section, const char* key, const char* defaultValue) const;

    // Destroys all sections and entries and forgets the current section.
    void ClearIni();

    // The last section of that name; null when there is none.
    const CQ2RTLIniSection* FindSection(const char* name) const;

    // Every section in file order, repeated names included.
    const std::vector<std::unique_ptr<CQ2RTLIniSection>>& GetSections() const { return m_sections; }

private:
    const CQ2RTLIniEntry* FindEntry(const char* section, const char* key) const;

    std::vector<std::unique_ptr<CQ2RTLIniSection>> m_sections;
    std::map<std::string, CQ2RTLIniSection*> m_map; // upper-cased name
    CQ2RTLIniSection* m_current = nullptr;
};

} // namespace r8
