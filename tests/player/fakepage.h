#pragma once

#include "platform/html/variant.h"

#include <QMap>
#include <QStringList>

#include <memory>

namespace playertest {

// A lesson page as the player reaches it by automation: `all`, the phrase
// elements "t1".."tN" with their className and the anchors "a1".."aN" with
// Click. Unknown names raise platform::Error, as a real page does.
class FakePage {
public:
    // One phrase per class given ("text", "comm", ...).
    explicit FakePage(const QStringList& classes);
    // n phrases of class "text".
    explicit FakePage(int phrases);

    platform::Variant document() const;

    QString className(int phrase) const;
    void setClassName(int phrase, const QString& className);
    // The phrases whose class is "instext" or "inscomm".
    QList<int> highlighted() const;
    // Every change, in order: "t3=instext" for a class write, "a3" for a
    // click of an anchor.
    const QStringList& log() const;
    void clearLog();

    struct Document;

private:
    std::shared_ptr<Document> m_document;
};

} // namespace playertest
