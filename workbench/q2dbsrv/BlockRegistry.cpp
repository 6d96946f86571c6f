// The block registry: the standard operators, functions and function blocks
// a chart or a diagram can place. Identifiers are the rows' positions from 1;
// names match without regard to case.
#include "Entries.h"

#include <cstring>

namespace
{

struct Pin
{
    const char* name;
    const char* type;
};

struct Block
{
    const char* name;
    DWORD kind;
    Pin inputs[4];
    Pin outputs[2];
    bool needEN;
    bool needENO;
};

constexpr DWORD kOp = Q2DBREG_OPERATOR;
constexpr DWORD kFn = Q2DBREG_FUNCTION;
constexpr DWORD kFb = Q2DBREG_FUNCTION_BLOCK;

const Block kBlocks[] = {
    {"&", kOp, {{"IN1", "BOOL"}, {"IN2", "BOOL"}}, {{"Q", "BOOL"}}, false, false},
    {">=1", kOp, {{"IN1", "BOOL"}, {"IN2", "BOOL"}}, {{"Q", "BOOL"}}, false, false},
    {"=1", kOp, {{"IN1", "BOOL"}, {"IN2", "BOOL"}}, {{"Q", "BOOL"}}, false, false},
    {"NOT", kOp, {{"IN", "BOOL"}}, {{"Q", "BOOL"}}, false, false},
    {"ADD", kOp, {{"IN1", "ANY_NUM"}, {"IN2", "ANY_NUM"}}, {{"Q", "ANY_NUM"}}, false, false},
    {"SUB", kOp, {{"IN1", "ANY_NUM"}, {"IN2", "ANY_NUM"}}, {{"Q", "ANY_NUM"}}, false, false},
    {"MUL", kOp, {{"IN1", "ANY_NUM"}, {"IN2", "ANY_NUM"}}, {{"Q", "ANY_NUM"}}, false, false},
    {"DIV", kOp, {{"IN1", "ANY_NUM"}, {"IN2", "ANY_NUM"}}, {{"Q", "ANY_NUM"}}, false, false},
    {"GT", kOp, {{"IN1", "ANY"}, {"IN2", "ANY"}}, {{"Q", "BOOL"}}, false, false},
    {"GE", kOp, {{"IN1", "ANY"}, {"IN2", "ANY"}}, {{"Q", "BOOL"}}, false, false},
    {"EQ", kOp, {{"IN1", "ANY"}, {"IN2", "ANY"}}, {{"Q", "BOOL"}}, false, false},
    {"LT", kOp, {{"IN1", "ANY"}, {"IN2", "ANY"}}, {{"Q", "BOOL"}}, false, false},
    {"MOVE", kFn, {{"IN", "ANY"}}, {{"Q", "ANY"}}, true, true},
    {"SEL", kFn, {{"G", "BOOL"}, {"IN0", "ANY"}, {"IN1", "ANY"}}, {{"Q", "ANY"}}, false, false},
    {"LIMIT", kFn, {{"MN", "ANY"}, {"IN", "ANY"}, {"MX", "ANY"}}, {{"Q", "ANY"}}, false, false},
    {"SR", kFb, {{"S1", "BOOL"}, {"R", "BOOL"}}, {{"Q1", "BOOL"}}, false, false},
    {"RS", kFb, {{"S", "BOOL"}, {"R1", "BOOL"}}, {{"Q1", "BOOL"}}, false, false},
    {"R_TRIG", kFb, {{"CLK", "BOOL"}}, {{"Q", "BOOL"}}, false, false},
    {"F_TRIG", kFb, {{"CLK", "BOOL"}}, {{"Q", "BOOL"}}, false, false},
    {"TON", kFb, {{"IN", "BOOL"}, {"PT", "TIME"}}, {{"Q", "BOOL"}, {"ET", "TIME"}}, false, false},
    {"TOF", kFb, {{"IN", "BOOL"}, {"PT", "TIME"}}, {{"Q", "BOOL"}, {"ET", "TIME"}}, false, false},
    {"TP", kFb, {{"IN", "BOOL"}, {"PT", "TIME"}}, {{"Q", "BOOL"}, {"ET", "TIME"}}, false, false},
    {"CTU",
     kFb,
     {{"CU", "BOOL"}, {"R", "BOOL"}, {"PV", "INT"}},
     {{"Q", "BOOL"}, {"CV", "INT"}},
     false,
     false},
    {"CTD",
     kFb,
     {{"CD", "BOOL"}, {"LD", "BOOL"}, {"PV", "INT"}},
     {{"Q", "BOOL"}, {"CV", "INT"}},
     false,
     false},
};

constexpr DWORD kCount = sizeof kBlocks / sizeof kBlocks[0];

template <size_t N> int CountPins(const Pin (&pins)[N])
{
    int n = 0;
    while (n < static_cast<int>(N) && pins[n].name != nullptr)
        ++n;
    return n;
}

const Block* ById(DWORD id)
{
    return id >= 1 && id <= kCount ? &kBlocks[id - 1] : nullptr;
}

bool SameName(const char* a, const char* b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
    {
        auto up = [](char c)
        { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
        if (up(*a) != up(*b))
            return false;
    }
    return *a == *b;
}

template <size_t N> LPCSTR PinAt(const Pin (&pins)[N], int index, LPCSTR* type)
{
    if (type != nullptr)
        *type = nullptr;
    if (index < 0 || index >= CountPins(pins))
        return nullptr;
    if (type != nullptr)
        *type = pins[index].type;
    return pins[index].name;
}

} // namespace

extern "C" DWORD WINAPI Q2DBReg_FindBlock(LPCSTR name)
{
    if (name == nullptr)
        return 0;
    for (DWORD i = 0; i < kCount; ++i)
        if (SameName(kBlocks[i].name, name))
            return i + 1;
    return 0;
}

extern "C" LPCSTR WINAPI Q2DBReg_GetBlockDesc(DWORD id, int* nbIn, int* nbOut, DWORD* kind)
{
    const Block* b = ById(id);
    if (nbIn != nullptr)
        *nbIn = b != nullptr ? CountPins(b->inputs) : 0;
    if (nbOut != nullptr)
        *nbOut = b != nullptr ? CountPins(b->outputs) : 0;
    if (kind != nullptr)
        *kind = b != nullptr ? b->kind : 0;
    return b != nullptr ? b->name : nullptr;
}

extern "C" LPCSTR WINAPI Q2DBReg_GetBlockInput(DWORD id, int index, LPCSTR* type)
{
    const Block* b = ById(id);
    if (b == nullptr)
    {
        if (type != nullptr)
            *type = nullptr;
        return nullptr;
    }
    return PinAt(b->inputs, index, type);
}

extern "C" LPCSTR WINAPI Q2DBReg_GetBlockOutput(DWORD id, int index, LPCSTR* type)
{
    const Block* b = ById(id);
    if (b == nullptr)
    {
        if (type != nullptr)
            *type = nullptr;
        return nullptr;
    }
    return PinAt(b->outputs, index, type);
}

extern "C" BOOL WINAPI Q2DBReg_BlockNeedEN(DWORD id)
{
    const Block* b = ById(id);
    return b != nullptr && b->needEN;
}

extern "C" BOOL WINAPI Q2DBReg_BlockNeedENO(DWORD id)
{
    const Block* b = ById(id);
    return b != nullptr && b->needENO;
}
