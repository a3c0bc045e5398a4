// The tree file main.mrb, built into the lesson tree.

#include "fuzzsupport.h"
#include "platform/treeview.h"
#include "shell/treefile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::TreeView tree;
    fuzzsupport::tolerateErrors(
        [&] { loadTreeFile(tree, platform::StringList::fromBytes(fuzzsupport::bytes(data, size))); });
    return 0;
}
