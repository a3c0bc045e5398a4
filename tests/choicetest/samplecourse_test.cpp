// The test lessons of the sample course, run from the main window's tree
// after the start-up routine.
#include "testfixture.h"

#include "platform/form.h"
#include "tests/support/samplecourse.h"

#include <QCoreApplication>

#include <functional>
#include <memory>

namespace choicetest {
namespace {

class SampleCourse : public ::testing::Test {
protected:
    SampleCourse()
    {
        m_previousHook = platform::Form::installModalHook([this](platform::Form& window) {
            if (&window == MultiFrm && whileShown) {
                loadPage();
                MultiFrm->show();
                whileShown();
            }
            return 0;
        });
        windows = std::make_unique<testsupport::SampleCourseWindows>();
    }
    ~SampleCourse() override
    {
        windows.reset();
        platform::Form::installModalHook(std::move(m_previousHook));
    }

    void runFirstOfKind(const QString& kind) { windows->runFirstOfKind(kind); }
    void loadPage()
    {
        for (int i = 0; i < 50 && document().isEmpty(); ++i)
            QCoreApplication::processEvents();
        ASSERT_FALSE(document().isEmpty());
    }
    platform::Variant document() const { return MultiFrm->CppWebBrowser1->Document(); }
    // The page's elements of one tag, in page order.
    QList<platform::Variant> elements(const QString& tag) const
    {
        const platform::Variant list = document().call(QStringLiteral("getElementsByTagName"), {tag});
        QList<platform::Variant> items;
        const int count = list.get(QStringLiteral("length")).toInt();
        for (int i = 0; i < count; ++i)
            items.append(list.call(QStringLiteral("item"), {i}));
        return items;
    }

    testsupport::FakeDesktop desktop;
    std::unique_ptr<testsupport::SampleCourseWindows> windows;
    std::function<void()> whileShown;

private:
    platform::Form::ModalHook m_previousHook;
};

TEST_F(SampleCourse, GradedTestCountsAndMarksAWrongChoice)
{
    bool shown = false;
    whileShown = [&] {
        shown = true;
        QStringList types;
        for (const platform::Variant& input : elements(QStringLiteral("input"))) {
            types.append(input.get(QStringLiteral("type")).toText());
            if (input.get(QStringLiteral("rtype")).toText() == u"1")
                input.call(QStringLiteral("click"));
        }
        EXPECT_TRUE(types.contains("radio") && types.contains("checkbox")) << types.join(' ').toStdString();
        MultiFrm->m33Click();
        // The first question's second option is a wrong one.
        document().get(QStringLiteral("all")).get(QStringLiteral("q2")).call(QStringLiteral("click"));
        MultiFrm->m33Click();
        EXPECT_EQ(document().get(QStringLiteral("all")).get(QStringLiteral("f2")).get(QStringLiteral("className"))
                      .toText(),
                  "instext");
        MultiFrm->m55Click();
    };
    runFirstOfKind(QStringLiteral("5"));
    EXPECT_TRUE(shown);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text, "All correct");
    EXPECT_EQ(desktop.messages[1].text, "Number of errors: 1");
    EXPECT_TRUE(desktop.errors.empty());
}

TEST_F(SampleCourse, FreeAnswerTestSavesEveryAnswer)
{
    for (const char* kind : {"6", "7"}) {
        SCOPED_TRACE(kind);
        const QString file = windows->course.root() + "\\answers" + kind + ".htm";
        QStringList typed;
        whileShown = [&] {
            for (const QString& tag : {QStringLiteral("input"), QStringLiteral("textarea")}) {
                for (const platform::Variant& field : elements(tag)) {
                    typed.append(QStringLiteral("answer %1").arg(typed.size() + 1));
                    field.set(QStringLiteral("value"), typed.last());
                }
            }
            desktop.saveAnswers.push_back(file);
            MultiFrm->m33Click();
        };
        runFirstOfKind(QString::fromLatin1(kind));
        EXPECT_FALSE(typed.isEmpty());
        const QByteArray saved = windows->course.read(QStringLiteral("answers%1.htm").arg(kind));
        for (const QString& answer : typed)
            EXPECT_TRUE(saved.contains(answer.toLatin1())) << answer.toStdString();
        EXPECT_FALSE(MultiFrm->isVisible());
    }
    EXPECT_TRUE(desktop.errors.empty());
}

} // namespace
} // namespace choicetest
