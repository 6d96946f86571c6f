#include "frame/R8EditWnd.h"
DWORD CR8EditWnd::ProgramIdentifier() const { return 0; }
DWORD CR8EditWnd::FindStandardBlock(LPCSTR) { return 0; }
void CR8EditWnd::TellBindingContentType(int) {}
