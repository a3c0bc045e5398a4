#include "pagerenderer.h"

#include "blockrelayout.h"
#include "domserializer.h"
#include "formcontrols.h"
#include "imagemap.h"
#include "pagecontainer.h"
#include "pagegeometry.h"
#include "restyle.h"
#include "useragentstyle.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QPainter>
#include <QScrollBar>

namespace platform {

namespace {

// The view's own style sheet is parsed once for every page.
litehtml::context& sharedContext()
{
    static litehtml::context context;
    static const bool loaded = [] {
        context.load_master_stylesheet(userAgentStyleSheet());
        return true;
    }();
    (void)loaded;
    return context;
}

bool shown(const litehtml::element& element)
{
    for (const litehtml::element* e = &element; e; e = e->parent().get()) {
        if (!e->is_visible())
            return false;
    }
    return true;
}

bool isStyleSheetLink(const DomNode& element)
{
    return element.is("link")
           && element.attributeOr(QStringLiteral("rel")).split(u' ', Qt::SkipEmptyParts).contains(
               QStringLiteral("stylesheet"), Qt::CaseInsensitive);
}

// litehtml visits every element when it draws, seen or not; on long pages
// that is most of the cost of a repaint. Blocks in normal flow that lie
// wholly outside the area are marked skipped for the time of one draw.
// Only their own boxes are tested: content overflowing a culled block far
// beyond the margin would not be drawn, which lesson pages never do.
void cullOutside(litehtml::element& parent, const QRect& area, std::vector<litehtml::element*>& culled)
{
    const int count = int(parent.get_children_count());
    for (int i = 0; i < count; ++i) {
        litehtml::element& child = *parent.get_child(i);
        const litehtml::style_display display = child.get_display();
        if (child.skip() || (display != litehtml::display_block && display != litehtml::display_list_item)
            || child.get_element_position() != litehtml::element_position_static
            || child.get_float() != litehtml::float_none)
            continue;
        const litehtml::position placed = child.get_placement();
        const QRect outer = grown(toQRect(placed), extentLeft(child), extentTop(child), extentRight(child),
                                  extentBottom(child));
        if (!outer.intersects(area)) {
            child.skip(true);
            culled.push_back(&child);
        } else {
            cullOutside(child, area, culled);
        }
    }
}

} // namespace

struct PageRenderer::State {
    State(std::shared_ptr<DomDocument> document, const QString& pageFolder, QAbstractScrollArea& view,
          std::function<void(const QString&)> navigate)
        : document(std::move(document)), view(view), navigate(std::move(navigate)),
          container(PageContainerHost{[&view] { return view.viewport()->size(); },
                                      [this](const QString& href) { linkClicked(href); },
                                      [&view](const QString& cursor) {
                                          view.viewport()->setCursor(cursor == u"pointer" ? Qt::PointingHandCursor
                                                                                          : Qt::ArrowCursor);
                                      }},
                    pageFolder)
    {
    }

    void linkClicked(const QString& href)
    {
        const QString trimmed = href.trimmed();
        if (trimmed.startsWith(u'#')) {
            if (DomNode* target = document->fragmentTarget(trimmed.mid(1)))
                scrollTo(*target);
            return;
        }
        // Remote addresses resolve to nothing and are not followed.
        const QString path = container.resolve(trimmed);
        if (!path.isEmpty())
            navigate(path);
    }

    // The page's element at a point of the page.
    DomNode* nodeAt(const QPoint& pagePos, const QPoint& viewportPos) const
    {
        if (!html->root())
            return nullptr;
        for (litehtml::element::ptr e = html->root()->get_element_by_point(pagePos.x(), pagePos.y(), viewportPos.x(),
                                                                          viewportPos.y());
             e; e = e->parent()) {
            if (const char* index = e->get_attr(renderIndexAttribute)) {
                const int i = std::atoi(index);
                return i >= 0 && i < int(document->elements().size()) ? document->elements()[size_t(i)] : nullptr;
            }
        }
        return nullptr;
    }

    // A click on a label's text clicks its check box or radio button: the
    // one named by `for`, else the one inside it.
    void clickLabel(DomNode& clicked)
    {
        for (DomNode* n = &clicked; n; n = n->parent) {
            if (!n->is("label"))
                continue;
            DomNode* control = nullptr;
            if (const QString* id = n->attribute(QStringLiteral("for")))
                control = document->elementById(*id);
            for (DomNode* inside : document->elementsByTag(QStringLiteral("*"), n)) {
                if (control)
                    break;
                if (inside->controlKind() != ControlKind::None)
                    control = inside;
            }
            if (control
                && (control->controlKind() == ControlKind::Radio || control->controlKind() == ControlKind::Checkbox))
                document->click(*control);
            return;
        }
    }

    // A click on an image with a map follows the area under it.
    bool followArea(const DomNode& clicked, const QPoint& pagePos)
    {
        const litehtml::element::ptr image = clicked.is("img") ? rendered(clicked) : nullptr;
        if (!image)
            return false;
        const litehtml::position content = image->get_placement();
        const DomNode* area = areaAt(*document, clicked, pagePos - QPoint(content.x, content.y));
        if (!area)
            return false;
        if (const QString* href = area->attribute(QStringLiteral("href")))
            linkClicked(*href);
        return true;
    }

    litehtml::element::ptr rendered(const DomNode& node) const
    {
        const int index = node.elementIndex;
        return index >= 0 && index < int(byIndex.size()) ? byIndex[size_t(index)] : nullptr;
    }

    void mapElements(const litehtml::element::ptr& element)
    {
        if (const char* index = element->get_attr(renderIndexAttribute)) {
            const int i = std::atoi(index);
            if (i >= 0 && i < int(byIndex.size()))
                byIndex[size_t(i)] = element;
        }
        const int count = int(element->get_children_count());
        for (int i = 0; i < count; ++i)
            mapElements(element->get_child(i));
    }

    // The page's style sheets in document order, kept to match rules anew
    // when a class changes.
    void parsePageStyles()
    {
        bool media = false;
        for (const DomNode* element : document->elements()) {
            QString text;
            if (element->is("style"))
                text = element->textContent();
            else if (isStyleSheetLink(*element))
                text = container.loadStyleSheet(element->attributeOr(QStringLiteral("href")));
            else
                continue;
            const QString mediaText = element->attributeOr(QStringLiteral("media")).trimmed();
            litehtml::media_query_list::ptr mediaList;
            if (!mediaText.isEmpty()) {
                mediaList = litehtml::media_query_list::create_from_string(mediaText.toStdString(), html);
                html->add_media_list(mediaList);
            }
            media = media || !mediaText.isEmpty() || text.contains(QLatin1String("@media"), Qt::CaseInsensitive);
            pageStyles.parse_stylesheet(text.toUtf8().constData(), nullptr, html, mediaList);
        }
        pageStyles.sort_selectors();
        if (media)
            html->media_changed();
    }

    std::vector<const litehtml::css*> styleSheets() const { return {&sharedContext().master_css(), &pageStyles}; }

    // A control's box takes the page's width and height where the page
    // gives them, else the size its widget needs.
    void sizeControls()
    {
        for (const DomNode* control : controls->controls()) {
            const litehtml::element::ptr element = rendered(*control);
            if (!element)
                continue;
            const QSize size = controls->sizeFor(*control);
            QString added;
            if (element->get_css_width().is_predefined())
                added += QStringLiteral(";width:%1px").arg(size.width());
            if (element->get_css_height().is_predefined())
                added += QStringLiteral(";height:%1px").arg(size.height());
            if (added.isEmpty())
                continue;
            const char* style = element->get_attr("style");
            element->set_attr("style", (QString::fromUtf8(style ? style : "") + added).toUtf8().constData());
            restyleSubtree(element, styleSheets());
        }
    }

    QRect box(const DomNode& node) const
    {
        const litehtml::element::ptr element = rendered(node);
        if (!element || !shown(*element))
            return {};
        if (element->get_display() == litehtml::display_inline) {
            // An inline element's boxes lie relative to its parent's content.
            litehtml::position::vector boxes;
            element->get_inline_boxes(boxes);
            const litehtml::element::ptr parent = element->parent();
            const litehtml::position origin = parent ? parent->get_placement() : litehtml::position();
            QRect united;
            for (const litehtml::position& b : boxes)
                united = united.united(toQRect(b).translated(clampToPage(origin.x), clampToPage(origin.y)));
            return united;
        }
        return borderBox(*element);
    }

    void scrollTo(const DomNode& target)
    {
        // An empty <a name> has no box of its own: what follows it marks the place.
        const auto& elements = document->elements();
        for (size_t i = size_t(target.elementIndex); i < elements.size(); ++i) {
            const QRect found = box(*elements[i]);
            if (!found.isNull()) {
                view.verticalScrollBar()->setValue(found.top());
                return;
            }
        }
    }

    QPoint pageOffset() const { return QPoint(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()); }

    void updateScrollRanges()
    {
        const QSize client = view.viewport()->size();
        QScrollBar* vertical = view.verticalScrollBar();
        // Held to the page limit, so that boxes moved by the scroll offset stay in range.
        vertical->setRange(0, clampToPage(std::max(0, html->height() - client.height())));
        vertical->setPageStep(std::max(1, client.height()));
        vertical->setSingleStep(20);
        QScrollBar* horizontal = view.horizontalScrollBar();
        horizontal->setRange(0, clampToPage(std::max(0, html->width() - client.width())));
        horizontal->setPageStep(std::max(1, client.width()));
        horizontal->setSingleStep(20);
    }

    // Lays the page out for the viewport. A page taller than the view brings
    // in the vertical scroll bar, which narrows the viewport and would have
    // the page laid out a second time: while the bar is hidden, the page is
    // laid out for the narrower width first, and again for the full width
    // only if it then fits (short pages cost little).
    void render()
    {
        const QSize client = view.viewport()->size();
        const QScrollBar* bar = view.verticalScrollBar();
        if (!bar->isVisibleTo(&view) && view.verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded) {
            const QSize narrowed(client.width() - bar->sizeHint().width(), client.height());
            html->render(narrowed.width());
            if (html->height() > client.height()) {
                laidOutFor = narrowed;
                return;
            }
        }
        html->render(client.width());
        laidOutFor = client;
    }

    std::shared_ptr<DomDocument> document;
    QAbstractScrollArea& view;
    std::function<void(const QString&)> navigate;
    PageContainer container;
    std::unique_ptr<FormControls> controls;
    litehtml::document::ptr html;
    std::vector<litehtml::element::ptr> byIndex;
    litehtml::css pageStyles;
    QSize laidOutFor; // the viewport size the page was laid out for
};

PageRenderer::PageRenderer(std::shared_ptr<DomDocument> document, const QString& pageFolder,
                           QAbstractScrollArea& view, std::function<void(const QString&)> navigate)
    : m(std::make_unique<State>(std::move(document), pageFolder, view, std::move(navigate)))
{
    m->controls = std::make_unique<FormControls>(m->document, view.viewport());
    const QString markup = renderMarkup(*m->document);
    m->html = litehtml::document::createFromUTF8(markup.toUtf8().constData(), &m->container, &sharedContext());
    m->byIndex.resize(m->document->elements().size());
    if (m->html->root())
        m->mapElements(m->html->root());
    m->parsePageStyles();
    m->sizeControls();
    layout();
}

PageRenderer::~PageRenderer() = default;

void PageRenderer::resized()
{
    if (m->view.viewport()->size() != m->laidOutFor)
        layout();
    else
        placeControls();
}

void PageRenderer::layout()
{
    m->render();
    m->updateScrollRanges();
    placeControls();
    m->view.viewport()->update();
}

void PageRenderer::paint(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, Qt::white);
    const QPoint offset = m->pageOffset();
    const litehtml::position clip(area.x(), area.y(), area.width(), area.height());
    std::vector<litehtml::element*> culled;
    if (m->html->root()) {
        // A margin keeps list markers and shadows of blocks at the edge.
        cullOutside(*m->html->root(), area.translated(offset).adjusted(-64, -64, 64, 64), culled);
    }
    m->container.setPainter(&painter);
    m->html->draw(reinterpret_cast<litehtml::uint_ptr>(&painter), -offset.x(), -offset.y(), &clip);
    m->container.setPainter(nullptr);
    for (litehtml::element* element : culled)
        element->skip(false);
}

void PageRenderer::placeControls()
{
    const QPoint offset = m->pageOffset();
    for (const DomNode* control : m->controls->controls()) {
        const litehtml::element::ptr element = m->rendered(*control);
        QRect box;
        if (element && shown(*element))
            box = toQRect(element->get_placement()).translated(-offset);
        m->controls->place(*control, box);
    }
}

void PageRenderer::hide()
{
    for (const DomNode* control : m->controls->controls())
        m->controls->place(*control, QRect());
}

QRect PageRenderer::elementBox(const DomNode& element) const
{
    return m->box(element);
}

QString PageRenderer::styleOf(const DomNode& element, const char* property) const
{
    const litehtml::element::ptr rendered = m->rendered(element);
    const char* value = rendered ? rendered->get_style_property(property, true) : nullptr;
    return QString::fromUtf8(value ? value : "");
}

QFont PageRenderer::fontOf(const DomNode& element) const
{
    const litehtml::element::ptr rendered = m->rendered(element);
    return rendered ? PageContainer::fontOf(rendered->get_font()) : QFont();
}

bool PageRenderer::mouseMove(const QPoint& pos)
{
    const QPoint offset = m->pageOffset();
    litehtml::position::vector redraw;
    return m->html->on_mouse_over(pos.x() + offset.x(), pos.y() + offset.y(), pos.x(), pos.y(), redraw);
}

void PageRenderer::mouseDown(const QPoint& pos)
{
    const QPoint offset = m->pageOffset();
    litehtml::position::vector redraw;
    m->html->on_lbutton_down(pos.x() + offset.x(), pos.y() + offset.y(), pos.x(), pos.y(), redraw);
}

void PageRenderer::mouseUp(const QPoint& pos)
{
    const QPoint offset = m->pageOffset();
    litehtml::position::vector redraw;
    m->html->on_lbutton_up(pos.x() + offset.x(), pos.y() + offset.y(), pos.x(), pos.y(), redraw);
    if (DomNode* clicked = m->nodeAt(pos + offset, pos); clicked && !m->followArea(*clicked, pos + offset))
        m->clickLabel(*clicked);
}

void PageRenderer::mouseLeave()
{
    litehtml::position::vector redraw;
    m->html->on_mouse_leave(redraw);
}

void PageRenderer::classChanged(DomNode& element)
{
    const litehtml::element::ptr rendered = m->rendered(element);
    if (!rendered)
        return;
    const char* former = rendered->get_attr("class");
    const std::string formerClass = former ? former : "";
    const std::string newClass = element.attributeOr(QStringLiteral("class")).toStdString();
    rendered->set_attr("class", newClass.c_str());
    if (!restyleSubtree(rendered, m->styleSheets())) {
        // Only colours and backgrounds changed: repaint the element's area.
        const QRect area = m->box(element);
        if (!area.isNull())
            m->view.viewport()->update(area.translated(-m->pageOffset()).adjusted(-4, -4, 4, 4));
        return;
    }
    // Words moved: the block holding them is laid out again on its own
    // when it keeps its size, else the whole page.
    BlockRelayout block(rendered);
    const bool inPlace = block.possible() && block.relayout([&](bool formerStyle) {
        rendered->set_attr("class", (formerStyle ? formerClass : newClass).c_str());
        restyleSubtree(rendered, m->styleSheets());
    });
    if (!inPlace) {
        layout();
        return;
    }
    placeControls();
    const litehtml::position area = block.area();
    m->view.viewport()->update(toQRect(area).translated(-m->pageOffset()).adjusted(-4, -4, 4, 4));
}

void PageRenderer::formStateChanged(DomNode& element)
{
    m->controls->refresh(element);
}

void PageRenderer::scrollIntoView(DomNode& target)
{
    m->scrollTo(target);
}

} // namespace platform
