#!/usr/bin/env bash
# Compiles the generated C++ and C# wrappers and checks the XML is well formed.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
cat <<'CPP'
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <string>
typedef int BOOL; typedef const char* LPCSTR; typedef char* LPSTR; typedef char TCHAR;
typedef unsigned long DWORD; typedef unsigned short WORD; typedef unsigned long COLORREF;
typedef std::uintptr_t DWORD_PTR;
struct HDC__; typedef HDC__* HDC; struct HWND__; typedef HWND__* HWND;
struct HBITMAP__; typedef HBITMAP__* HBITMAP; struct _TREEITEM; typedef _TREEITEM* HTREEITEM;
struct RECT { long left, top, right, bottom; }; typedef const RECT* LPCRECT;
struct str_R8TooltipInfos; struct str_R8PrintFolioSetup; struct str_R8SFCSettings; struct str_R8FindReplace;
#define TRUE 1
#define FALSE 0
#define TVI_ROOT ((HTREEITEM)(std::uintptr_t)0xFFFF0000)
#define TVI_LAST ((HTREEITEM)(std::uintptr_t)0xFFFF0002)
#define R8F_CURRENTCOL (-1)
#define NO_TYPE 0
#define BKP_NONE 0
class CString {
public:
    void Format(const char* f, ...) { char b[256]; va_list a; va_start(a, f); std::vsnprintf(b, sizeof b, f, a); va_end(a); s = b; }
    char* GetBuffer(int) { return s.data(); }
private:
    std::string s;
};
class CR8EditWrapper {
    DWORD_PTR Execute(int, LPSTR*) { return 0; }
    DWORD_PTR Execute(const char*) { return 0; }
    template <class A> DWORD_PTR Execute(const char*, A) { return 0; }
    template <class A, class B> DWORD_PTR Execute(const char*, A, B) { return 0; }
public:
CPP
"$tool" 1
echo '};'
} > "$work/wrapper.cpp"
# The wrappers store literals in an LPSTR array as the hosts' compilers
# allow; -fpermissive gives g++ the same leniency.
g++ -std=gnu++17 -fsyntax-only -fpermissive -w "$work/wrapper.cpp"
echo "C++ wrapper compiles"

{
cat <<'CS'
using System;
public class R8EditWrapper {
    int _Execute(params string[] argv) { return argv.Length; }
    string _ExecuteString(params string[] argv) { return argv[0]; }
CS
"$tool" 2
echo '}'
} > "$work/wrapper.cs"
mcs -target:library -nowarn:0168,0219 -out:"$work/wrapper.dll" "$work/wrapper.cs"
echo "C# wrapper compiles"

{ echo '<COMMANDS>'; "$tool" 3; echo '</COMMANDS>'; } > "$work/interfaces.xml"
xmllint --noout "$work/interfaces.xml"
test "$(grep -c '^<COMMAND ' "$work/interfaces.xml")" -eq 582
echo "XML is well formed"
