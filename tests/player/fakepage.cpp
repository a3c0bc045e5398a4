#include "fakepage.h"

#include "platform/error.h"

namespace playertest {

namespace {

class Element final : public platform::AutomationObject {
public:
    Element(QString id, QStringList& log) : id(std::move(id)), log(log) {}

    platform::Variant get(const QString& member) override
    {
        if (member == u"className" && id.startsWith(u't'))
            return className;
        throw platform::Error(QStringLiteral("Unknown name: %1").arg(member));
    }
    void set(const QString& member, const platform::Variant& value) override
    {
        if (member != u"className" || !id.startsWith(u't'))
            throw platform::Error(QStringLiteral("Unknown name: %1").arg(member));
        className = value.toText();
        log.append(id + u'=' + className);
    }
    platform::Variant call(const QString& method, const QList<platform::Variant>& arguments) override
    {
        if (method != u"Click" || !arguments.isEmpty() || !id.startsWith(u'a'))
            throw platform::Error(QStringLiteral("Unknown name: %1").arg(method));
        log.append(id);
        return {};
    }

    QString id;
    QString className;
    QStringList& log;
};

class All final : public platform::AutomationObject {
public:
    platform::Variant get(const QString& member) override
    {
        const auto found = elements.find(member);
        if (found == elements.end())
            throw platform::Error(QStringLiteral("Unknown name: %1").arg(member));
        return platform::Variant(std::static_pointer_cast<platform::AutomationObject>(*found));
    }
    void set(const QString& member, const platform::Variant&) override
    {
        throw platform::Error(QStringLiteral("Unknown name: %1").arg(member));
    }
    platform::Variant call(const QString& method, const QList<platform::Variant>&) override
    {
        throw platform::Error(QStringLiteral("Unknown name: %1").arg(method));
    }

    QMap<QString, std::shared_ptr<Element>> elements;
};

} // namespace

struct FakePage::Document final : platform::AutomationObject {
    platform::Variant get(const QString& member) override
    {
        if (member != u"all")
            throw platform::Error(QStringLiteral("Unknown name: %1").arg(member));
        return platform::Variant(std::static_pointer_cast<platform::AutomationObject>(all));
    }
    void set(const QString& member, const platform::Variant&) override
    {
        throw platform::Error(QStringLiteral("Unknown name: %1").arg(member));
    }
    platform::Variant call(const QString& method, const QList<platform::Variant>&) override
    {
        throw platform::Error(QStringLiteral("Unknown name: %1").arg(method));
    }

    std::shared_ptr<All> all = std::make_shared<All>();
    int phrases = 0;
    QStringList log;
};

FakePage::FakePage(const QStringList& classes)
    : m_document(std::make_shared<Document>())
{
    m_document->phrases = int(classes.size());
    for (int n = 1; n <= classes.size(); ++n) {
        const QString number = QString::number(n);
        auto phrase = std::make_shared<Element>(u't' + number, m_document->log);
        phrase->className = classes[n - 1];
        m_document->all->elements.insert(phrase->id, phrase);
        auto anchor = std::make_shared<Element>(u'a' + number, m_document->log);
        m_document->all->elements.insert(anchor->id, anchor);
    }
}

FakePage::FakePage(int phrases)
    : FakePage(QStringList(phrases, QStringLiteral("text")))
{
}

platform::Variant FakePage::document() const
{
    return platform::Variant(std::static_pointer_cast<platform::AutomationObject>(m_document));
}

QString FakePage::className(int phrase) const
{
    return m_document->all->elements.value(u't' + QString::number(phrase))->className;
}

void FakePage::setClassName(int phrase, const QString& className)
{
    m_document->all->elements.value(u't' + QString::number(phrase))->className = className;
}

const QStringList& FakePage::log() const
{
    return m_document->log;
}

void FakePage::clearLog()
{
    m_document->log.clear();
}

QList<int> FakePage::highlighted() const
{
    QList<int> phrases;
    for (int n = 1; n <= m_document->phrases; ++n) {
        const QString name = className(n);
        if (name == u"instext" || name == u"inscomm")
            phrases.append(n);
    }
    return phrases;
}

} // namespace playertest
