#pragma once

#include "platform/stringlist.h"
#include "platform/treeview.h"

// Builds the lesson tree from the lines of main.mrb: a line's depth is the
// number of tabs and spaces it starts with; a node's line number is its
// lesson index. A jump of more than one level fails with "Invalid level (%d)
// for item "%s"", leaving the nodes made so far in the tree.
void loadTreeFile(platform::TreeView& tree, const platform::StringList& lines);
