#pragma once

// The four modes of the listening text player, each prepared from the
// lesson's catalogue entries and shown modally.
void launchListening(int lesson);            // kind "1"
void launchRecording(int lesson);            // kind "3"
void launchAccompaniedRecording(int lesson); // kind "11"
void launchFreeRecording(int lesson);        // kind "8"
