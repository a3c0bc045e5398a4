#pragma once

#include <QString>

#include <vector>

namespace coursecheck {

// One thing in a course folder that a learner would run into.
struct Problem {
    QString file;   // relative to the course folder, with '/'
    QString lesson; // the lesson it shows in, or empty for the whole course
    QString text;

    // "file: lesson 3 "Greetings": text", as the checker prints it.
    QString line() const;
    bool operator==(const Problem&) const = default;
};

using Problems = std::vector<Problem>;

} // namespace coursecheck
