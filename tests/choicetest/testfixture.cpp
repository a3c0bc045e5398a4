#include "testfixture.h"

#include <QCoreApplication>

namespace choicetest {

QByteArray testPage(const QByteArray& body)
{
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
           "<title>Test</title></head><body><form>"
           + body + "</form></body></html>";
}

ChoiceTest::ChoiceTest() = default;

void ChoiceTest::showPage(const QByteArray& html, const QString& mode, int secondsLeft)
{
    course.write(QStringLiteral("data/text/test.htm"), html);
    bool loaded = false;
    const QMetaObject::Connection completion =
        QObject::connect(test().CppWebBrowser1, &platform::HtmlView::DocumentComplete, [&] { loaded = true; });
    test().CppWebBrowser1->Navigate(course.root() + QStringLiteral("\\data\\text\\test.htm"));
    for (int i = 0; i < 50 && !loaded; ++i)
        QCoreApplication::processEvents();
    QObject::disconnect(completion);
    ASSERT_TRUE(loaded);
    test().testMode = mode;
    test().secondsLeft = secondsLeft;
    test().Timer1->setEnabled(true);
    test().show();
}

platform::Variant ChoiceTest::element(const QString& id)
{
    return test().CppWebBrowser1->Document().get(QStringLiteral("all")).get(id);
}

QStringList ChoiceTest::markClasses(int n)
{
    QStringList classes;
    for (int k = 1; k <= n; ++k)
        classes.append(element(QStringLiteral("f%1").arg(k)).get(QStringLiteral("className")).toText());
    return classes;
}

QStringList ChoiceTest::results() const
{
    QStringList texts;
    for (const auto& shown : desktop.messages) {
        EXPECT_EQ(shown.title, "Results");
        EXPECT_TRUE(shown.ownerless);
        texts.append(shown.text);
    }
    return texts;
}

} // namespace choicetest
