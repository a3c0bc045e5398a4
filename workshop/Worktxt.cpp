#include "Worktxt.h"

#include "splitter.h"

#include "platform/desktop.h"
#include "platform/jpeg.h"
#include "platform/listeningspeed.h"
#include "player/lessonfiles.h"
#include "player/marks.h"
#include "player/phrases.h"
#include "shell/Main.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TWorkTxtFrm* WorkTxtFrm = nullptr;

namespace {

// A phrase is over once the position comes within two ticks of its end.
constexpr int ticksAhead = 2;

struct UnitStepLook {
    const char16_t* hint;
    const char16_t* picture;
    const char16_t* hoverPicture;
};

const UnitStepLook unitStepLooks[] = {
    {u"Begin unit", u"gdata\\c1.jpg", u"gdata\\c2a.jpg"},
    {u"End unit", u"gdata\\c2.jpg", u"gdata\\c1a.jpg"},
    {u"Play cycle", u"gdata\\c3.jpg", u"gdata\\c3a.jpg"},
};

// Each page gets phrase 1 at its view's first completion after the opening.
// The counter goes up only when that worked, so a completion that came
// before the phrase was there is followed by another try.
void highlightFirstPhraseOnce(const platform::Variant& document, int& highlighted)
{
    if (highlighted != 0)
        return;
    revealPhrase(document, 1);
    highlightPhrase(document, 1);
    ++highlighted;
}

void setClass(const platform::Variant& document, int n, const QString& className)
{
    document.get(QStringLiteral("all")).get(u't' + QString::number(n)).set(QStringLiteral("className"), className);
}

} // namespace

TWorkTxtFrm::TWorkTxtFrm()
    : BandedForm(ButtonBand::Bottom, 5)
{
    setObjectName(QStringLiteral("WorkTxtFrm"));
    Panel3 = centre();
    CppWebBrowser1 = new platform::HtmlView(Panel3);
    CppWebBrowser2 = new platform::HtmlView(Panel3);
    Splitter1 = new Splitter(CppWebBrowser1, Panel3);
    TrackBar1 = new platform::TrackBar(Panel3);
    TrackBar1->setFixedHeight(31);
    auto* pages = new QHBoxLayout;
    pages->setContentsMargins(0, 0, 0, 0);
    pages->setSpacing(0);
    pages->addWidget(CppWebBrowser1);
    pages->addWidget(Splitter1);
    pages->addWidget(CppWebBrowser2, 1);
    auto* layout = new QVBoxLayout(Panel3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(pages, 1);
    layout->addWidget(TrackBar1);
    Timer1 = new platform::Timer(250, this);
    MediaPlayer1 = new platform::MediaPlayer(this);
    SpeedLabel1 = new platform::SpeedLabel(CppWebBrowser2);
    c = new platform::Picture(Panel2);
    ca = new platform::Picture(Panel2);
    ca->hide();
    caa = new platform::Picture(Panel2);
    caa->setHandCursor();
    caa->setHint(QStringLiteral("Begin unit"));
    setButtonHints({"Run", "Pause", "Stop", "Help", "Exit"});
    setSize(986, 605);

    connect(Timer1, &platform::Timer::timeout, this, &TWorkTxtFrm::Timer1Timer);
    connect(TrackBar1, &platform::TrackBar::changed, this, &TWorkTxtFrm::TrackBar1Change);
    connect(CppWebBrowser1, &platform::HtmlView::DocumentComplete, this,
            &TWorkTxtFrm::CppWebBrowser1DocumentComplete);
    connect(CppWebBrowser2, &platform::HtmlView::DocumentComplete, this,
            &TWorkTxtFrm::CppWebBrowser2DocumentComplete);
    connect(m11, &platform::Picture::clicked, this, &TWorkTxtFrm::m11Click);
    connect(m22, &platform::Picture::clicked, this, &TWorkTxtFrm::m22Click);
    connect(m33, &platform::Picture::clicked, this, &TWorkTxtFrm::m33Click);
    connect(m44, &platform::Picture::clicked, this, &TWorkTxtFrm::m44Click);
    connect(m55, &platform::Picture::clicked, this, &TWorkTxtFrm::m55Click);
    connect(caa, &platform::Picture::clicked, this, &TWorkTxtFrm::caaClick);
    connect(m11, &platform::Picture::mouseMoved, this, &TWorkTxtFrm::m11MouseMove);
    connect(m22, &platform::Picture::mouseMoved, this, &TWorkTxtFrm::m22MouseMove);
    connect(m33, &platform::Picture::mouseMoved, this, &TWorkTxtFrm::m33MouseMove);
    connect(m44, &platform::Picture::mouseMoved, this, &TWorkTxtFrm::m44MouseMove);
    connect(m55, &platform::Picture::mouseMoved, this, &TWorkTxtFrm::m55MouseMove);
    connect(caa, &platform::Picture::mouseMoved, this, &TWorkTxtFrm::caaMouseMove);
    connect(Image4, &platform::Picture::mouseMoved, this, &TWorkTxtFrm::Image4MouseMove);
    platform::listeningspeed::installKeys(this, [this](int key) { SpeedKeyPress(key); });
}

// The workshop is shown over the main window it was started from.
void TWorkTxtFrm::FormShow()
{
    centreOver(MainFrm);
}

void TWorkTxtFrm::unhighlightBoth(int n)
{
    unhighlightPhrase(leftDocument, n);
    setClass(rightDocument, n, QStringLiteral("text"));
}

void TWorkTxtFrm::highlightBoth(int n)
{
    revealPhrase(leftDocument, n);
    highlightPhrase(leftDocument, n);
    revealPhrase(rightDocument, n);
    highlightPhrase(rightDocument, n);
}

void TWorkTxtFrm::markUnitPhrase(int n)
{
    setClass(leftDocument, n, QStringLiteral("cycle"));
    setClass(rightDocument, n, QStringLiteral("cycle"));
}

void TWorkTxtFrm::unmarkUnit()
{
    for (int n = unitFirst; n <= unitLast; ++n)
        unhighlightBoth(n);
}

void TWorkTxtFrm::paintUnit()
{
    for (int n = unitFirst; n <= unitLast; ++n)
        markUnitPhrase(n);
}

// The picture of the step goes on the button, then its hover picture: a
// picture that cannot be loaded stops the step before anything changed.
void TWorkTxtFrm::showUnitStep(int step)
{
    const UnitStepLook& look = unitStepLooks[step];
    c->setPicture(platform::loadJpeg(QString::fromUtf16(look.picture)));
    ca->setPicture(platform::loadJpeg(QString::fromUtf16(look.hoverPicture)));
    caa->setHint(QString::fromUtf16(look.hint));
}

void TWorkTxtFrm::Timer1Timer()
{
    try {
        // One past the last phrase only occurs inside the tick that ends the
        // text; nothing is followed then.
        if (marks.count() < currentPhrase - 1)
            return;
        if (cycling == 1)
            followUnit();
        else
            followText();
        positionMs = MediaPlayer1->position();
    } catch (...) {
        // The standard error box reports it once: a fault that lasts would
        // otherwise raise a box at every tick.
        Timer1->setEnabled(false);
        throw;
    }
}

// Compared with the position read at the end of the previous tick, so the
// highlight moves between one tick before the mark and the mark itself, as
// heard: two ticks of sound are more or less of the recording at other
// speeds. 64 bits keep the comparison signed for any mark the file can hold.
bool TWorkTxtFrm::phraseOver() const
{
    const qint64 ahead = qRound64(ticksAhead * Timer1->interval() * MediaPlayer1->speed());
    return qint64(mark(marks, currentPhrase)) - ahead < positionMs;
}

// While the timer runs the track bar's handler only takes the documents.
void TWorkTxtFrm::nextPhrase()
{
    ++currentPhrase;
    TrackBar1->setPosition(TrackBar1->position() + 1);
}

void TWorkTxtFrm::followText()
{
    if (phraseOver()) {
        nextPhrase();
        if (currentPhrase <= marks.count()) {
            if (currentPhrase > 1)
                unhighlightBoth(currentPhrase - 1);
            highlightBoth(currentPhrase);
        }
    }
    if (currentPhrase == marks.count() + 1)
        endOfText();
}

// The last phrase's boundary is passed: playback stops there and the pages
// show phrase 1 again.
void TWorkTxtFrm::endOfText()
{
    TrackBar1->setEnabled(true);
    if (Timer1->enabled())
        MediaPlayer1->stop();
    if (currentPhrase > 1)
        unhighlightBoth(currentPhrase - 1);
    backToFirstPhrase();
}

// Phrase 1 highlighted and in view. Timer1 goes off last: while it runs the
// track bar's handler ignores the return to 0, otherwise it chooses phrase 1.
void TWorkTxtFrm::backToFirstPhrase()
{
    highlightBoth(1);
    currentPhrase = 1;
    positionMs = 0;
    TrackBar1->setPosition(0);
    Timer1->setEnabled(false);
}

// Every tick repaints the unit and the phrase being spoken on top of it, so
// the first tick after a start shows the phrase before the unit, and the
// next one the unit's first phrase.
void TWorkTxtFrm::followUnit()
{
    if (currentPhrase > 1)
        unhighlightBoth(currentPhrase - 1);
    highlightBoth(currentPhrase);
    paintUnit();
    highlightBoth(currentPhrase);
    if (phraseOver())
        nextPhrase();
    // Tested at every tick: a loop resumed after the unit restarts at once.
    // The timer starts afresh with the sound, a whole tick after the seek.
    if (currentPhrase > unitLast) {
        currentPhrase = unitFirst - 1;
        Timer1->setEnabled(false);
        MediaPlayer1->pause();
        MediaPlayer1->setPosition(mark(marks, unitFirst - 1));
        MediaPlayer1->play();
        Timer1->setEnabled(true);
    }
}

void TWorkTxtFrm::TrackBar1Change()
{
    leftDocument = CppWebBrowser1->Document();
    rightDocument = CppWebBrowser2->Document();
    if (Timer1->enabled())
        return;
    const int p = TrackBar1->position();
    currentPhrase = p + 1;
    // The end of the chosen phrase; playback starts again from its beginning.
    positionMs = mark(marks, p + 1);
    if (currentPhrase > 1)
        unhighlightBoth(currentPhrase - 1);
    if (currentPhrase < TrackBar1->max() + 1)
        unhighlightBoth(currentPhrase + 1);
    unhighlightBoth(lastSelectedPhrase);
    lastSelectedPhrase = currentPhrase;
    if (cycling == 1)
        paintUnit();
    revealPhrase(leftDocument, currentPhrase);
    highlightPhrase(leftDocument, currentPhrase);
    revealPhrase(rightDocument, currentPhrase);
    setClass(rightDocument, currentPhrase, QStringLiteral("instext"));
    MediaPlayer1->setPosition(mark(marks, p + 1));
}

void TWorkTxtFrm::caaClick()
{
    // The learner pauses first: a unit is chosen while nothing plays.
    if (Timer1->enabled())
        return;
    switch (unitStep) {
    case 0:
        // The loop starts from the end of the phrase before the unit.
        if (currentPhrase < 2)
            return;
        showUnitStep(1);
        // A new unit begun while the loop is paused ends that loop: the old
        // unit is un-marked as Stop does, and Continue plays the text on.
        if (cycling == 1) {
            unmarkUnit();
            cycling = 0;
        }
        unitStep = 1;
        unitFirst = currentPhrase;
        markUnitPhrase(unitFirst);
        return;
    case 1:
        // A unit has at least two phrases.
        if (currentPhrase <= unitFirst)
            return;
        showUnitStep(2);
        unitStep = 2;
        unitLast = currentPhrase;
        paintUnit();
        return;
    default:
        showUnitStep(0);
        cycling = 1;
        unitStep = 0;
        paintUnit();
        currentPhrase = unitFirst - 1;
        TrackBar1->setEnabled(false);
        startPlayback(mark(marks, unitFirst - 1));
    }
}

// The next tick compares the phrase's end with where playback starts.
void TWorkTxtFrm::startPlayback(int fromMs)
{
    positionMs = fromMs;
    MediaPlayer1->setPosition(fromMs);
    MediaPlayer1->setSpeed(learnersRecording ? 1.0 : platform::listeningspeed::factor());
    MediaPlayer1->play();
    Timer1->setEnabled(true);
    paused = 0;
    m22->setHint(QStringLiteral("Pause"));
}

// Run plays from the beginning of the current phrase. It stores that start
// as Continue does: the position of an earlier run, or the end of a phrase
// chosen on the track bar, would move the highlight on at the first tick
// while the voice is still at the start of the phrase.
void TWorkTxtFrm::m11Click()
{
    if (Timer1->enabled())
        return;
    TrackBar1->setEnabled(false);
    leftDocument = CppWebBrowser1->Document();
    rightDocument = CppWebBrowser2->Document();
    startPlayback(phraseStart(marks, currentPhrase));
}

void TWorkTxtFrm::SpeedKeyPress(int key)
{
    if (learnersRecording || !platform::listeningspeed::applyKey(key))
        return;
    MediaPlayer1->setSpeed(platform::listeningspeed::factor());
    SpeedLabel1->showSpeed(platform::listeningspeed::tenths());
}

void TWorkTxtFrm::m22Click()
{
    if (paused == 0) {
        MediaPlayer1->pause();
        TrackBar1->setEnabled(true);
        Timer1->setEnabled(false);
        paused = 1;
        // Reads "Continue"; the first letter is the Cyrillic capital Es.
        m22->setHint(QStringLiteral("\u0421ontinue"));
        return;
    }
    // Continue replays the current phrase from its beginning, or resumes the
    // unit loop from there.
    TrackBar1->setEnabled(false);
    startPlayback(phraseStart(marks, currentPhrase));
}

// Works on the documents already held. Stop keeps `paused`, the hint of
// Pause and the unit button's step.
void TWorkTxtFrm::m33Click()
{
    TrackBar1->setEnabled(true);
    if (Timer1->enabled())
        MediaPlayer1->stop();
    if (currentPhrase > 1) {
        unhighlightBoth(currentPhrase - 1);
        unhighlightBoth(currentPhrase);
    }
    if (cycling == 1)
        unmarkUnit();
    cycling = 0;
    backToFirstPhrase();
}

void TWorkTxtFrm::m44Click()
{
    platform::Desktop::current().shellOpen(lessonfiles::helpPage(MainFrm->selectedLessonIndex()));
}

void TWorkTxtFrm::m55Click()
{
    close();
}

void TWorkTxtFrm::FormClose()
{
    MediaPlayer1->stop();
}

// Taken on every completion, frames included, so each is the latest document.
void TWorkTxtFrm::CppWebBrowser1DocumentComplete()
{
    leftDocument = CppWebBrowser1->Document();
    highlightFirstPhraseOnce(leftDocument, leftHighlighted);
}

void TWorkTxtFrm::CppWebBrowser2DocumentComplete()
{
    rightDocument = CppWebBrowser2->Document();
    highlightFirstPhraseOnce(rightDocument, rightHighlighted);
}

// The unit button's hover picture goes with the others.
void TWorkTxtFrm::m11MouseMove() { hoverButton(0); ca->hide(); }
void TWorkTxtFrm::m22MouseMove() { hoverButton(1); ca->hide(); }
void TWorkTxtFrm::m33MouseMove() { hoverButton(2); ca->hide(); }
void TWorkTxtFrm::m44MouseMove() { hoverButton(3); ca->hide(); }
void TWorkTxtFrm::m55MouseMove() { hoverButton(4); ca->hide(); }
void TWorkTxtFrm::Image4MouseMove() { hideHoverPictures(); ca->hide(); }

void TWorkTxtFrm::caaMouseMove()
{
    hideHoverPictures();
    if (ca->isHidden())
        ca->show();
}
