// Strings.ini through the profile reader.

#include "fuzzsupport.h"
#include "platform/codepage.h"
#include "platform/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const platform::ProfileFile profile =
        platform::ProfileFile::fromText(platform::decodeWindows1251(fuzzsupport::bytes(data, size)));
    for (const char* section : {"Main", "ViewTxt", "", "["})
        for (const char* key : {"m11", "Hint1", "", "="})
            profile.readString(QString::fromLatin1(section), QString::fromLatin1(key));
    return 0;
}
