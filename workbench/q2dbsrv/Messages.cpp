// Texts of the result codes, shown to the user by the workbench.
#include "Entries.h"

namespace
{

struct Message
{
    DWORD code;
    const char* text;
};

const Message kMessages[] = {
    {Q2DB_E_REFUSED, "The operation is not available."},
    {Q2DB_E_BADHANDLE, "The project is not open on this connection."},
    {Q2DB_E_BADARG, "A required argument is missing."},
    {Q2DB_E_NOTFOUND, "The object does not exist in the project."},
    {Q2DB_E_EXISTS, "The name is already used in the project."},
    {Q2DB_E_BADNAME, "The name is not a valid identifier."},
    {Q2DB_E_LOCKED, "The object is locked by another user."},
    {Q2DB_E_NOTLOCKED, "The object is not locked."},
    {Q2DB_E_WRITE, "The project file could not be written."},
    {Q2DB_E_READONLY, "The project is open for reading only."},
    {Q2DB_E_PROJECTEXISTS, "The folder already holds a project."},
    {Q2DB_E_FOLDER, "The project folder could not be created."},
    {Q2DB_E_DAMAGED, "The project file was changed outside and can't be read."},
    {Q2DB_E_BADKIND, "This kind of object cannot be locked."},
    {Q2DB_E_UNAVAILABLE, "The project database service is not available."},
};

} // namespace

extern "C" LPCSTR WINAPI Q2DB_GetMessage(DWORD code)
{
    for (const Message& m : kMessages)
        if (m.code == code)
            return m.text;
    return code == Q2DB_OK ? "" : nullptr;
}
