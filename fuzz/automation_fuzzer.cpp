// A page driven by automation as the windows drive it: members read,
// written and called by name on the document, its collections and its
// elements, each change followed by a paint. The page is the input's
// front; the script of calls comes from its end.

#include "fuzzsupport.h"
#include "viewloading.h"

#include <QCoreApplication>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// The names the windows and pages use, and their wrong-case forms; any
// other name comes from the input.
const char* const memberNames[] = {
    "all",       "body",    "documentElement", "charset",   "getElementById", "getElementsByTagName",
    "length",    "item",    "className",       "id",        "tagName",        "innerHTML",
    "outerHTML", "innerText", "parentNode",    "checked",   "value",          "name",
    "click",     "CLASSNAME", "selectedIndex", "style",
};

QString memberName(FuzzedDataProvider& input)
{
    if (input.ConsumeIntegralInRange(0, 7) == 0)
        return QString::fromUtf8(input.ConsumeRandomLengthString(16));
    return QString::fromLatin1(input.PickValueInArray(memberNames));
}

platform::Variant value(FuzzedDataProvider& input)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: return input.ConsumeIntegral<int>();
    case 1: return input.ConsumeBool();
    case 2: return platform::Variant();
    default: return QString::fromUtf8(input.ConsumeRandomLengthString(64));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string page = input.ConsumeRandomLengthString(size);

    platform::HtmlView view;
    view.resize(400, 300);
    view.show();
    fuzzsupport::loadPage(view, std::vector<uint8_t>(page.begin(), page.end()));
    const platform::Variant document = view.Document();
    platform::Variant current = document;
    for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
        fuzzsupport::tolerateErrors([&] {
            switch (input.ConsumeIntegralInRange(0, 5)) {
            case 0: {
                const platform::Variant got = current.get(memberName(input));
                if (got.object())
                    current = got;
                break;
            }
            case 1: current.set(memberName(input), value(input)); break;
            case 2: {
                QList<platform::Variant> arguments;
                for (int count = input.ConsumeIntegralInRange(0, 2); count > 0; --count)
                    arguments << value(input);
                const platform::Variant got = current.call(memberName(input), arguments);
                if (got.object())
                    current = got;
                break;
            }
            case 3: current.toText(); break;
            case 4: current = document; break;
            default:
                QCoreApplication::processEvents();
                view.viewport()->grab();
                break;
            }
        });
    }
    QCoreApplication::processEvents();
    view.viewport()->grab();
    return 0;
}
