#pragma once

// The sorting exercise prepared from the lesson's word file and time limit,
// and shown modally.
void launchSorting(int lesson); // kind "9"
