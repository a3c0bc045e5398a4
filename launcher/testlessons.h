#pragma once

// The choice test, prepared from the lesson's catalogue entries and shown
// modally: graded for kind "5", free answer for kinds "6" and "7".
void launchGradedTest(int lesson);     // kind "5"
void launchFreeAnswerTest(int lesson); // kinds "6", "7"
