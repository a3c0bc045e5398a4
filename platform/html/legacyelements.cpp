#include "legacyelements.h"

#include "inlineedges.h"
#include "pagegeometry.h"
#include "presentationalhints.h"

#include <litehtml/el_anchor.h>
#include <litehtml/el_body.h>
#include <litehtml/el_div.h>
#include <litehtml/el_font.h>
#include <litehtml/el_image.h>
#include <litehtml/el_para.h>
#include <litehtml/el_table.h>
#include <litehtml/el_td.h>
#include <litehtml/el_tr.h>

#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

class HintedElement {
public:
    virtual ~HintedElement() = default;
    virtual void addHints() = 0;
};

// Base is the element class the layout engine would have made for the tag;
// its own reading of the attributes is replaced by ours, except an image's,
// which also takes its source there.
template <class Base, bool readsOwnAttributes = false>
class Hinted : public InlineEdges<Base>, public HintedElement {
public:
    using InlineEdges<Base>::InlineEdges;

    void parse_attributes() override
    {
        if constexpr (readsOwnAttributes)
            Base::parse_attributes();
        else
            litehtml::html_tag::parse_attributes(); // the children's
        addHints();
    }

    void addHints() override
    {
        const std::string css = presentationalStyle(*this);
        if (!css.empty())
            this->m_style.add(css.c_str(), nullptr, this);
    }
};

// Browsers give a column of fixed width more when a cell spanning it needs
// more (a question heading over two narrow answer columns); litehtml keeps
// the fixed widths and wraps the heading word by word. When a table of
// automatic width was laid out so, its fixed columns are widened as far as
// the available width allows and it is laid out again.
class LegacyTable : public Hinted<litehtml::el_table> {
public:
    using Hinted::Hinted;

    int render(int x, int y, int max_width, bool second_pass) override
    {
        restoreGivenWidths();
        const std::vector<int> needed = spanningWidths(max_width);
        const int width = Hinted::render(x, y, max_width, second_pass);
        if (needed.empty() || !widenForSpans(max_width, needed))
            return width;
        return Hinted::render(x, y, max_width, second_pass);
    }

    // Draws the rows that meet the clip only: a lesson in table rows is
    // thousands of rows, of which a repaint shows a few dozen.
    void draw_children(litehtml::uint_ptr hdc, int x, int y, const litehtml::position* clip, litehtml::draw_flag flag,
                       int zindex) override
    {
        if (!clip || !m_grid || get_display() != litehtml::display_table) {
            Hinted::draw_children(hdc, x, y, clip, flag, zindex);
            return;
        }
        const int left = x + m_pos.x;
        const int top = y + m_pos.y;
        for (int r = 0; r < m_grid->rows_count(); ++r) {
            if (!rowMeets(r, top, *clip))
                continue;
            if (flag == litehtml::draw_block)
                m_grid->row(r).el_row->draw_background(hdc, left, top, clip);
            for (int c = 0; c < m_grid->cols_count(); ++c) {
                const litehtml::table_cell* cell = m_grid->cell(c, r);
                if (!cell || !cell->el)
                    continue;
                if (flag == litehtml::draw_block)
                    cell->el->draw(hdc, left, top, clip);
                cell->el->draw_children(hdc, left, top, clip, flag, zindex);
            }
        }
    }

private:
    // Whether any cell of the row, spanning rows included, meets the clip.
    bool rowMeets(int r, int top, const litehtml::position& clip)
    {
        // In 64 bits: a page can make any of these lengths the size of int.
        const long long clipTop = clip.y, clipBottom = (long long)clip.y + clip.height;
        const litehtml::table_row& row = m_grid->row(r);
        if (top + (long long)row.top < clipBottom && top + (long long)row.bottom > clipTop)
            return true;
        for (int c = 0; c < m_grid->cols_count(); ++c) {
            const litehtml::table_cell* cell = m_grid->cell(c, r);
            if (!cell || !cell->el)
                continue;
            const litehtml::position& pos = cell->el->get_position();
            const long long cellTop = top + (long long)pos.y - extentTop(*cell->el);
            const long long cellBottom = top + (long long)pos.y + pos.height + extentBottom(*cell->el);
            if (cellTop < clipBottom && cellBottom > clipTop)
                return true;
        }
        return false;
    }

    static bool isFixed(const litehtml::css_length& width)
    {
        return !width.is_predefined() && width.units() != litehtml::css_units_percentage;
    }

    void restoreGivenWidths()
    {
        if (!m_grid)
            return;
        if (m_givenWidths.empty()) {
            for (int c = 0; c < m_grid->cols_count(); ++c)
                m_givenWidths.push_back(m_grid->column(c).css_width);
        }
        for (int c = 0; c < m_grid->cols_count() && c < int(m_givenWidths.size()); ++c)
            m_grid->column(c).css_width = m_givenWidths[size_t(c)];
    }

    // The cells spanning columns, in grid order.
    template <class Visit>
    void forSpanningCells(Visit visit)
    {
        for (int r = 0; r < m_grid->rows_count(); ++r) {
            for (int c = 0; c < m_grid->cols_count(); ++c) {
                const litehtml::table_cell* cell = m_grid->cell(c, r);
                if (cell && cell->el && cell->colspan > 1 && c + cell->colspan <= m_grid->cols_count())
                    visit(*cell, c);
            }
        }
    }

    // The width each spanning cell needs for its content on one line (the
    // engine measures such a cell at its first column's width). Empty when
    // the table's width is given or nothing spans.
    std::vector<int> spanningWidths(int maxWidth)
    {
        std::vector<int> widths;
        if (!m_grid || !get_css_width().is_predefined())
            return widths;
        forSpanningCells([&](const litehtml::table_cell& cell, int) {
            const long long width = cell.el->render(0, 0, maxWidth) + extentLeft(*cell.el) + extentRight(*cell.el);
            widths.push_back(clampToPage(width));
        });
        return widths;
    }

    bool widenForSpans(int maxWidth, const std::vector<int>& needed)
    {
        // Tables of lengths beyond any screen are left as the engine made them.
        if (!withinPageLimit(*this))
            return false;
        long long room = (long long)maxWidth - this->width();
        bool widened = false;
        size_t index = 0;
        forSpanningCells([&](const litehtml::table_cell& cell, int first) {
            const long long need = index < needed.size() ? needed[index++] : 0;
            long long spanned = (long long)m_border_spacing_x * (cell.colspan - 1);
            bool allFixed = true;
            for (int k = first; k < first + cell.colspan; ++k) {
                spanned += m_grid->column(k).width;
                allFixed = allFixed && isFixed(m_grid->column(k).css_width);
            }
            const int extra = clampToPage(std::min(need - spanned, room));
            if (!allFixed || extra <= 0)
                return;
            for (int k = first; k < first + cell.colspan; ++k) {
                litehtml::table_column& column = m_grid->column(k);
                const int share = extra / cell.colspan + (k - first < extra % cell.colspan ? 1 : 0);
                column.css_width.set_value(float(column.width + share), litehtml::css_units_px);
            }
            room -= extra;
            widened = true;
        });
        return widened;
    }

    std::vector<litehtml::css_length> m_givenWidths;
};

} // namespace

litehtml::element::ptr createLegacyElement(const char* tagName, const std::shared_ptr<litehtml::document>& document)
{
    const QString tag = QString::fromUtf8(tagName).toLower();
    if (tag == u"table")
        return std::make_shared<LegacyTable>(document);
    if (tag == u"td" || tag == u"th")
        return std::make_shared<Hinted<litehtml::el_td>>(document);
    if (tag == u"tr")
        return std::make_shared<Hinted<litehtml::el_tr>>(document);
    if (tag == u"img")
        return std::make_shared<Hinted<litehtml::el_image, true>>(document);
    if (tag == u"font")
        return std::make_shared<Hinted<litehtml::el_font>>(document);
    if (tag == u"body")
        return std::make_shared<Hinted<litehtml::el_body>>(document);
    if (tag == u"p")
        return std::make_shared<Hinted<litehtml::el_para>>(document);
    if (tag == u"div")
        return std::make_shared<Hinted<litehtml::el_div>>(document);
    if (tag == u"a")
        return std::make_shared<Hinted<litehtml::el_anchor>>(document);
    static const QStringList plain = {QStringLiteral("tbody"), QStringLiteral("thead"), QStringLiteral("tfoot"),
                                      QStringLiteral("hr"),    QStringLiteral("input"), QStringLiteral("caption"),
                                      QStringLiteral("h1"),    QStringLiteral("h2"),    QStringLiteral("h3"),
                                      QStringLiteral("h4"),    QStringLiteral("h5"),    QStringLiteral("h6")};
    if (plain.contains(tag))
        return std::make_shared<Hinted<litehtml::html_tag>>(document);
    static const QStringList phrases
        = {QStringLiteral("span"),  QStringLiteral("b"),      QStringLiteral("i"),    QStringLiteral("u"),
           QStringLiteral("s"),     QStringLiteral("strike"), QStringLiteral("em"),   QStringLiteral("strong"),
           QStringLiteral("small"), QStringLiteral("big"),    QStringLiteral("sub"),  QStringLiteral("sup"),
           QStringLiteral("tt"),    QStringLiteral("code"),   QStringLiteral("kbd"),  QStringLiteral("var"),
           QStringLiteral("cite"),  QStringLiteral("dfn"),    QStringLiteral("abbr"), QStringLiteral("acronym"),
           QStringLiteral("q"),     QStringLiteral("label"),  QStringLiteral("nobr"), QStringLiteral("ins"),
           QStringLiteral("del"),   QStringLiteral("mark"),   QStringLiteral("samp")};
    if (phrases.contains(tag))
        return std::make_shared<InlineEdges<litehtml::html_tag>>(document);
    return nullptr;
}

void applyPresentationalHints(litehtml::element& element)
{
    if (auto* hinted = dynamic_cast<HintedElement*>(&element))
        hinted->addHints();
    const int count = int(element.get_children_count());
    for (int i = 0; i < count; ++i)
        applyPresentationalHints(*element.get_child(i));
}

} // namespace platform
