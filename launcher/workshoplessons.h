#pragma once

// The two modes of the text workshop, each prepared from the lesson's
// catalogue entries and shown modally.
void launchWorkshop(int lesson);            // kind "2": the lesson sound
void launchOwnRecordingWorkshop(int lesson); // kind "4": the learner's recording
