// Growing controls placed by pixel.
#include "ui/growing_layout.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QTabBar>
#include <QVariant>

#include "ui/charts/figure_view.h"

namespace {

const char* const kDesignPlace = "dolmetaDesignPlace";
const char* const kGrowing = "dolmetaGrowing";

bool Grows(const QWidget* control) {
    return qobject_cast<const QGroupBox*>(control) || qobject_cast<const QTabWidget*>(control) ||
           qobject_cast<const QAbstractScrollArea*>(control) ||
           qobject_cast<const FigureView*>(control) || control->property(kGrowing).toBool();
}

// Calls back with each container whose children stand where the program placed them, and
// its size when the control has the given size: the pages of a page control, or the control
// itself. A list or grid places its own parts.
template <typename F>
void ForEachPlacedContainer(QWidget* control, QSize size, F&& f) {
    if (auto* pages = qobject_cast<QTabWidget*>(control)) {
        for (int k = 0; k < pages->count(); ++k) f(pages->widget(k), PageSize(pages, size));
    } else if (!qobject_cast<QAbstractScrollArea*>(control)) {
        f(control, size);
    }
}

}  // namespace

void MarkGrowing(QWidget* control) {
    control->setProperty(kGrowing, true);
}

int Grown(int at, int growth, int span) {
    return span > 0 ? at + growth * at / span : at;
}

QSize PageSize(const QTabWidget* pages, QSize size) {
    // The pane's frame takes two pixels on each side.
    return size - QSize(4, pages->tabBar()->sizeHint().height() + 4);
}

void RememberDesignPlaces(QWidget* container) {
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->setProperty(kDesignPlace, child->geometry());
        ForEachPlacedContainer(child, child->size(),
                               [](QWidget* inner, QSize) { RememberDesignPlaces(inner); });
    }
}

void GrowWithContainer(QWidget* container, QSize growth, QSize reference) {
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant remembered = child->property(kDesignPlace);
        if (!remembered.isValid()) continue;
        const QRect design = remembered.toRect();
        const int left = Grown(design.left(), growth.width(), reference.width());
        const int top = Grown(design.top(), growth.height(), reference.height());
        QSize size = design.size();
        if (Grows(child))
            size = QSize(Grown(design.right() + 1, growth.width(), reference.width()) - left,
                         Grown(design.bottom() + 1, growth.height(), reference.height()) - top);
        child->setGeometry(QRect(QPoint(left, top), size));
        ForEachPlacedContainer(child, design.size(), [&](QWidget* inner, QSize innerDesign) {
            GrowWithContainer(inner, size - design.size(), innerDesign);
        });
    }
}

void ShiftWithContainer(QWidget* container, QPoint offset) {
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant remembered = child->property(kDesignPlace);
        if (remembered.isValid()) child->setGeometry(remembered.toRect().translated(offset));
    }
}
