#include "bandedform.h"

namespace platform {

BandedForm::BandedForm(ButtonBand band, int buttonCount, QWidget* parent)
    : Form(parent)
{
    Image1 = new Picture(this);
    Image2 = new Picture(this);
    Panel1 = new QWidget(this);
    Image3 = new Picture(Panel1);
    Panel2 = new QWidget(this);
    Image4 = new Picture(Panel2);
    m_centre = new QWidget(this);
    Panel1->resize(0, 81);
    Panel2->resize(0, 84);
    Image1->resize(49, 0);
    Image2->resize(46, 0);

    QWidget* buttonBand = band == ButtonBand::Top ? Panel1 : Panel2;
    Picture** hover[] = {&m1, &m2, &m3, &m4, &m5};
    Picture** buttons[] = {&m11, &m22, &m33, &m44, &m55};
    for (int i = 0; i < buttonCount; ++i) {
        *hover[i] = new Picture(buttonBand);
        (*hover[i])->hide();
        m_hover.append(*hover[i]);
    }
    for (int i = 0; i < buttonCount; ++i) {
        *buttons[i] = new Picture(buttonBand);
        (*buttons[i])->setHandCursor();
        m_buttons.append(*buttons[i]);
    }
    relayout();
}

void BandedForm::setButtonHints(const QStringList& hints)
{
    for (qsizetype i = 0; i < hints.size() && i < m_buttons.size(); ++i)
        m_buttons[i]->setHint(hints[i]);
}

void BandedForm::setTopBandSize(int width, int height)
{
    Panel1->resize(width, height);
    Image3->resize(width, height);
    relayout();
}

void BandedForm::setBottomBandSize(int width, int height)
{
    Panel2->resize(width, height);
    Image4->resize(width, height);
    relayout();
}

void BandedForm::setLeftStripWidth(int width)
{
    Image1->resize(width, Image1->height());
    relayout();
}

void BandedForm::setRightStripWidth(int width)
{
    Image2->resize(width, Image2->height());
    relayout();
}

void BandedForm::hoverButton(int button)
{
    Picture* shown = m_hover.value(button);
    if (shown && shown->isHidden())
        shown->show();
    for (Picture* picture : std::as_const(m_hover)) {
        if (picture != shown)
            picture->hide();
    }
}

void BandedForm::hideHoverPictures()
{
    for (Picture* picture : std::as_const(m_hover))
        picture->hide();
}

void BandedForm::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    relayout();
}

// Bands span the whole width; the strips and the centre lie between them.
void BandedForm::relayout()
{
    const int w = width();
    const int h = height();
    const int top = Panel1->height();
    const int bottom = Panel2->height();
    const int middle = std::max(0, h - top - bottom);
    Panel1->setGeometry(0, 0, w, top);
    Panel2->setGeometry(0, h - bottom, w, bottom);
    Image1->setGeometry(0, top, Image1->width(), middle);
    Image2->setGeometry(w - Image2->width(), top, Image2->width(), middle);
    m_centre->setGeometry(Image1->width(), top, std::max(0, w - Image1->width() - Image2->width()), middle);
}

} // namespace platform
