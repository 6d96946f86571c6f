#include "chart/R8EditSFCItem.h"

#include "chart/R8EditSFCFile.h"
#include "chart/R8EditSFCItemJump.h"
#include "chart/R8EditSFCItemNote.h"
#include "chart/R8EditSFCItemStep.h"
#include "chart/R8EditSFCItemTrans.h"
#include "chart/R8SFCText.h"
#include "support/TextCase.h"
#include "support/TextMatch.h"

int SFCCodeLanguage(const std::string& code)
{
    if (code.empty())
        return 0;
    if (r8sfc::StartsWithNoCase(code, "#info=LDEDIT"))
        return 2;
    if (r8sfc::StartsWithNoCase(code, "#info=WSED1EDT"))
        return 3;
    if (r8sfc::StartsWithNoCase(code, "#info=FFL"))
        return 4;
    return 1;
}

bool SFCMatchName(const R8SFCFindRecord& record, const std::string& candidate)
{
    // Only the whole-word option reaches the element test; case never counts.
    return r8::MatchText(record.flags & r8::kFindWholeWord, candidate.c_str(), record.findText);
}

bool SFCMatchNumbered(const R8SFCFindRecord& record, const char* prefix, const char* shortPrefix,
                      int number)
{
    const std::string n = std::to_string(static_cast<std::uint32_t>(number));
    return SFCMatchName(record, prefix + n) || SFCMatchName(record, shortPrefix + n) ||
           SFCMatchName(record, n);
}

bool SFCMatchElement(const R8SFCFindRecord& record, int code, int number)
{
    switch (code)
    {
    case SFC_MACRO:
        return SFCMatchNumbered(record, "GM", "M", number);
    case SFC_END_STEP:
    case SFC_BEGIN_STEP:
    case SFC_STEP:
    case SFC_INIT_STEP:
    case SFC_JUMP:
        return SFCMatchNumbered(record, "GS", "S", number);
    case SFC_TRANS:
        return SFCMatchNumbered(record, "GT", "T", number);
    default:
        return false;
    }
}

bool CR8EditSFCItem::MatchFind(const R8SFCFindRecord& record) const
{
    return SFCMatchElement(record, m_type, m_number);
}

void CR8EditSFCItem::ReadCode(CR8EditSFCFile&) {}

void CR8EditSFCItem::SetLock(int) {}

bool CR8EditSFCItem::SetActivity(int)
{
    return false;
}

void CR8EditSFCItem::SetText(int, const std::string&) {}

void CR8EditSFCItem::WriteBlockHeader(CR8EditSFCFile& file, std::string_view prefix,
                                      R8Point origin) const
{
    file.Write("#sfc=");
    file.Write(prefix);
    file.WriteNumber(static_cast<std::uint32_t>(m_number));
    file.Write("(");
    file.WriteNumber(r8sfc::RelativeCell(m_column, origin.x));
    file.Write(",");
    file.WriteNumber(r8sfc::RelativeCell(m_row, origin.y));
    file.Write(")");
    file.EndLine();
}

void CR8EditSFCItem::WriteNamedLine(CR8EditSFCFile& file, std::string_view keyword,
                                    std::string_view prefix) const
{
    file.Write(keyword);
    file.Write(prefix);
    file.WriteNumber(static_cast<std::uint32_t>(m_number));
    file.Write(";");
    file.EndLine();
}

const std::string* CR8EditSFCItem::TextOf(int) const
{
    return nullptr;
}

int CR8EditSFCItem::GetLanguage(int) const
{
    return 0;
}

void CR8EditSFCItem::WriteCode(CR8EditSFCFile&, R8Point) const {}

bool CR8EditSFCItem::WriteDeclaration(CR8EditSFCFile&) const
{
    return false;
}

bool CR8EditSFCItem::GetRefRect(const CR8EditSFCItemView&, R8Rect&) const
{
    return false;
}

int CR8EditSFCItem::HitTestText(const R8Rect&, int, int, const CR8EditSFCItemView&) const
{
    return -1;
}

bool CR8EditSFCItem::CanSwapStyle() const
{
    return m_type == SFC_NODE || m_type == SFC_NODE_DOUBLE;
}

bool CR8EditSFCItem::SwapStyle()
{
    if (m_type == SFC_NODE)
        m_type = SFC_NODE_DOUBLE;
    else if (m_type == SFC_NODE_DOUBLE)
        m_type = SFC_NODE;
    else
        return false;
    return true;
}

std::unique_ptr<CR8EditSFCItem> CreateSFCItem(int code, CR8NoteParent* noteParent)
{
    switch (code)
    {
    case SFC_NOTE:
        return std::make_unique<CR8EditSFCItemNote>(noteParent);
    case SFC_END_STEP:
    case SFC_BEGIN_STEP:
    case SFC_STEP:
    case SFC_MACRO:
    case SFC_INIT_STEP:
        return std::make_unique<CR8EditSFCItemStep>();
    case SFC_TRANS:
        return std::make_unique<CR8EditSFCItemTrans>();
    case SFC_JUMP:
        return std::make_unique<CR8EditSFCItemJump>();
    default:
        return std::make_unique<CR8EditSFCItem>();
    }
}

const char* SFCTypeLetter(int code)
{
    switch (code)
    {
    case SFC_NOTE:
        return "N";
    case SFC_END_STEP:
        return "E";
    case SFC_BEGIN_STEP:
        return "B";
    case SFC_STEP:
        return "S";
    case SFC_CONVERGENCE:
        return "c";
    case SFC_DIVERGENCE:
        return "d";
    case SFC_NODE:
        return "O";
    case SFC_NODE_DOUBLE:
        return "A";
    case SFC_CONVERGENCE_RIGHT:
        return "Rc";
    case SFC_DIVERGENCE_RIGHT:
        return "Rd";
    case SFC_MACRO:
        return "M";
    case SFC_TRANS:
        return "T";
    case SFC_JUMP:
        return "J";
    case SFC_INIT_STEP:
        return "I";
    default:
        return "?";
    }
}
