#include "Multi.h"

#include "answersfile.h"

#include "platform/countdownlabel.h"
#include "platform/desktop.h"
#include "player/lessonfiles.h"
#include "shell/Main.h"

#include <QVBoxLayout>

TMultiFrm* MultiFrm = nullptr;

TMultiFrm::TMultiFrm()
    : BandedForm(ButtonBand::Bottom, 5)
    , SaveDialog1(QStringLiteral(".htm"), QStringLiteral("HTML|*.htm"))
{
    setObjectName(QStringLiteral("MultiFrm"));
    Timer1 = new platform::Timer(1000, this);
    Panel3 = centre();
    CppWebBrowser1 = new platform::HtmlView(Panel3);
    auto* layout = new QVBoxLayout(Panel3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CppWebBrowser1);
    Label1 = platform::createCountdownLabel(Panel1);
    m22->hide();
    setButtonHints({"Run", "Check", "Check", "Help", "Exit"});

    connect(Timer1, &platform::Timer::timeout, this, &TMultiFrm::Timer1Timer);
    connect(m11, &platform::Picture::clicked, this, &TMultiFrm::m11Click);
    connect(m33, &platform::Picture::clicked, this, &TMultiFrm::m33Click);
    connect(m44, &platform::Picture::clicked, this, &TMultiFrm::m44Click);
    connect(m55, &platform::Picture::clicked, this, &TMultiFrm::m55Click);
    connect(m11, &platform::Picture::mouseMoved, this, &TMultiFrm::m11MouseMove);
    connect(m22, &platform::Picture::mouseMoved, this, &TMultiFrm::m22MouseMove);
    connect(m33, &platform::Picture::mouseMoved, this, &TMultiFrm::m33MouseMove);
    connect(m44, &platform::Picture::mouseMoved, this, &TMultiFrm::m44MouseMove);
    connect(m55, &platform::Picture::mouseMoved, this, &TMultiFrm::m55MouseMove);
    connect(Image4, &platform::Picture::mouseMoved, this, &TMultiFrm::Image4MouseMove);
}

// The test is shown over the main window it was started from.
void TMultiFrm::FormShow()
{
    centreOver(MainFrm);
}

void TMultiFrm::showSecondsLeft()
{
    Label1->setText(QStringLiteral("Time countdown: %1 seconds").arg(secondsLeft));
    Label1->adjustSize();
}

// Options are "q1", "q2", ... without gaps, one question's options next to
// each other; the faulty options of a question count once, as long as no
// other question's option comes between them.
int TMultiFrm::gradeAnswers()
{
    int errors = 0;
    QString lastName;
    const platform::Variant document = CppWebBrowser1->Document();
    const int count = document.call(QStringLiteral("getElementsByTagName"), {QStringLiteral("input")})
                          .get(QStringLiteral("Length"))
                          .toInt();
    for (int n = 1; n <= count; ++n) {
        const platform::Variant option =
            document.call(QStringLiteral("getElementById"), {QStringLiteral("q%1").arg(n)});
        if (option.isEmpty())
            break;
        const QString rtype = option.get(QStringLiteral("rtype")).toText();
        const QString checked = option.get(QStringLiteral("Checked")).toText();
        const bool rightLeftOut = rtype == u"1" && checked == u"False";
        const bool wrongChosen = checked == u"True" && rtype == u"0";
        if (!rightLeftOut && !wrongChosen)
            continue;
        const QString name = option.get(QStringLiteral("name")).toText();
        if (name != lastName) {
            ++errors;
            lastName = name;
        }
        if (wrongChosen)
            document.get(QStringLiteral("all"))
                .get(QStringLiteral("f%1").arg(n))
                .set(QStringLiteral("className"), QStringLiteral("instext"));
    }
    return errors;
}

// No owner window and no icon: the box does not belong to the test window.
void TMultiFrm::showResults(int errors)
{
    platform::Desktop::current().showOwnerlessMessage(
        QStringLiteral("Results"),
        errors < 1 ? QStringLiteral("All correct") : QStringLiteral("Number of errors: %1").arg(errors));
}

void TMultiFrm::saveAnswers()
{
    const platform::Variant document = CppWebBrowser1->Document();
    // The root element's content: the head and the body, with what the
    // learner typed, checked and selected.
    const QString page = document.get(QStringLiteral("body"))
                             .get(QStringLiteral("parentNode"))
                             .get(QStringLiteral("innerHTML"))
                             .toText();
    const QByteArray charset = document.get(QStringLiteral("charset")).toText().toLatin1();
    // A file that cannot be written leaves the window open, answers intact.
    if (SaveDialog1.Execute())
        writeAnswersFile(SaveDialog1.FileName, page, charset);
    close();
}

void TMultiFrm::Timer1Timer()
{
    --secondsLeft;
    showSecondsLeft();
    if (secondsLeft != 0)
        return;
    Timer1->setEnabled(false);
    if (testMode == u"multi") {
        // At the time-out a test with errors counts one more.
        const int errors = gradeAnswers();
        showResults(errors >= 1 ? errors + 1 : 0);
    } else if (testMode == u"txt") {
        saveAnswers();
    }
}

void TMultiFrm::m11Click()
{
    if (secondsLeft > 0)
        Timer1->setEnabled(true);
}

void TMultiFrm::m33Click()
{
    if (testMode == u"multi") {
        Timer1->setEnabled(false);
        showResults(gradeAnswers());
    } else if (testMode == u"txt") {
        // With a time limit the countdown stops at zero, where the answers
        // were saved, so it never runs below zero. Only a lesson without a
        // limit counts below zero, and its answers are saved whenever the
        // learner is done.
        Timer1->setEnabled(false);
        saveAnswers();
    }
}

void TMultiFrm::m44Click()
{
    platform::Desktop::current().shellOpen(lessonfiles::helpPage(MainFrm->selectedLessonIndex()));
}

void TMultiFrm::m55Click()
{
    Timer1->setEnabled(false);
    close();
}

void TMultiFrm::FormClose()
{
    Timer1->setEnabled(false);
}

void TMultiFrm::m11MouseMove() { hoverButton(0); }
void TMultiFrm::m22MouseMove() { hoverButton(1); }
void TMultiFrm::m33MouseMove() { hoverButton(2); }
void TMultiFrm::m44MouseMove() { hoverButton(3); }
void TMultiFrm::m55MouseMove() { hoverButton(4); }
void TMultiFrm::Image4MouseMove() { hideHoverPictures(); }
