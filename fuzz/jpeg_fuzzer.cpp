// A skin picture decoded.

#include "fuzzsupport.h"
#include "platform/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzsupport::inputFile(data, size, ".jpg");
    fuzzsupport::tolerateErrors([&] { platform::loadJpeg(path); });
    return 0;
}
