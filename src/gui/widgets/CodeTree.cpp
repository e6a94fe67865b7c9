#include "gui/widgets/CodeTree.h"

#include "core/trees/TreeCodeStore.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTreeWidget>

#include <algorithm>
#include <array>

namespace {

constexpr int NodeDataRole = Qt::UserRole;
constexpr int CodeDigits = 3;
constexpr int ImageCount = 4;
constexpr int ImageSize = 16;

const QString RootCode = QStringLiteral("000");
const QString RootPath = QStringLiteral("\\\\");
const QString Separator = QStringLiteral("\\");

// The root is the one item without a parent; a first-level node hangs directly under it. Levels
// come from the place in the tree rather than the code length, so a node whose code has a wrong
// length still gets a path and an image.
bool isRoot(const QTreeWidgetItem *node) {
    return node->parent() == nullptr;
}

bool isFirstLevel(const QTreeWidgetItem *node) {
    return node->parent() != nullptr && node->parent()->parent() == nullptr;
}

QTreeWidgetItem *newNode(const TreeNodeData &data) {
    auto *node = new QTreeWidgetItem(QStringList(data.NodeName));
    node->setData(0, NodeDataRole, QVariant::fromValue(data));
    return node;
}

void drawCabinet(QPainter &p) {
    p.setPen(QColor(70, 70, 80));
    p.setBrush(QColor(176, 184, 196));
    p.drawRect(2, 1, 11, 13);
    p.setBrush(QColor(214, 220, 228));
    p.drawRect(4, 3, 7, 4);
    p.drawRect(4, 8, 7, 4);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(6, 5, 3, 0);
    p.drawRect(6, 10, 3, 0);
}

void drawClosedFolder(QPainter &p) {
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(232, 188, 70));
    p.drawRect(1, 2, 6, 3);
    p.setBrush(QColor(250, 212, 96));
    p.drawRect(1, 4, 14, 10);
}

void drawDocument(QPainter &p) {
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
    p.setPen(QColor(120, 140, 190));
    for (int y = 7; y <= 12; y += 2)
        p.drawLine(5, y, 10, y);
}

void drawOpenFolder(QPainter &p) {
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(232, 188, 70));
    p.drawRect(1, 2, 6, 3);
    p.drawRect(1, 4, 12, 10);
    QPolygonF flap;
    flap << QPointF(1.5, 14.5) << QPointF(4.5, 7.5) << QPointF(15.5, 7.5) << QPointF(12.5, 14.5);
    p.setBrush(QColor(255, 236, 150));
    p.drawPolygon(flap);
}

// Drawn once, as images rather than pixmaps: an image needs no display, and a static one may
// outlive the application object.
const std::array<QImage, ImageCount> &nodeImages() {
    static const std::array<QImage, ImageCount> images = [] {
        std::array<QImage, ImageCount> drawn;
        void (*const painters[ImageCount])(QPainter &) = {drawCabinet, drawClosedFolder,
                                                          drawDocument, drawOpenFolder};
        for (int index = 0; index < ImageCount; ++index) {
            drawn[index] = QImage(ImageSize, ImageSize, QImage::Format_ARGB32_Premultiplied);
            drawn[index].fill(Qt::transparent);
            QPainter painter(&drawn[index]);
            painters[index](painter);
        }
        return drawn;
    }();
    return images;
}

// Nodes share the few icons there are instead of each converting its own pixmaps.
using IconCache = QHash<int, QIcon>;

void setNodeImages(QTreeWidgetItem *node, IconCache &cache) {
    const int normal = NodeImageIndex(node, false);
    const int selected = NodeImageIndex(node, true);
    const int key = normal * ImageCount + selected;
    auto found = cache.find(key);
    if (found == cache.end()) {
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(nodeImages()[normal]), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(nodeImages()[selected]), QIcon::Selected);
        found = cache.insert(key, icon);
    }
    node->setIcon(0, *found);
}

// Recursive rather than through QTreeWidgetItemIterator, which needs the items in a view.
void setSubtreeImages(QTreeWidgetItem *node, IconCache &cache) {
    setNodeImages(node, cache);
    for (int index = 0; index < node->childCount(); ++index)
        setSubtreeImages(node->child(index), cache);
}

// The parent a row of the given code length goes under, moving `current` and `previousLength`
// up the tree as far as the row requires. The walk stops at the root, so codes of a wrong length
// or without their parent end up under it rather than looping or climbing above it.
QTreeWidgetItem *parentForRow(QTreeWidgetItem *root, QTreeWidgetItem *&current, int &previousLength,
                              int length) {
    if (length > previousLength)
        return current;
    while (previousLength != length && current != root) {
        current = current->parent();
        previousLength = NodeDataOf(current).NodeLength;
    }
    return current == root ? root : current->parent();
}

} // namespace

TreeNodeData NodeDataOf(const QTreeWidgetItem *node) {
    if (!node)
        return {};
    return node->data(0, NodeDataRole).value<TreeNodeData>();
}

void LoadCodeTree(Database &dm, QTreeWidget *tree, const QString &rootCaption, const QString &flag) {
    if (!tree)
        return;
    tree->clear();
    // Built apart from the view, so a large tree is not laid out again for every row.
    QTreeWidgetItem *root = newNode({0, RootCode, rootCaption, RootPath});

    if (const auto rows = ReadTreeCodes(dm, flag)) {
        QTreeWidgetItem *current = root;
        int previousLength = 0;
        for (const TreeCodeRow &row : *rows) {
            const TreeNodeData data{int(row.code.size()), row.code, row.name, row.path};
            if (row.code.isEmpty()) {
                // With length 0 it would become the current node and take every later row as
                // its descendant; it is shown under the root and changes nothing else.
                root->addChild(newNode(data));
                continue;
            }
            QTreeWidgetItem *parent = parentForRow(root, current, previousLength, data.NodeLength);
            current = newNode(data);
            parent->addChild(current);
            previousLength = data.NodeLength;
        }
    }

    IconCache icons;
    setSubtreeImages(root, icons);
    tree->addTopLevelItem(root);
    // Expanding needs the view, so it waits until the root is in it.
    root->setExpanded(true);
    for (int index = 0; index < root->childCount(); ++index)
        root->child(index)->setExpanded(true);
}

QIcon TreeNodeIcon(int imageIndex) {
    if (imageIndex < 0 || imageIndex >= ImageCount)
        return {};
    return QIcon(QPixmap::fromImage(nodeImages()[imageIndex]));
}

int NodeImageIndex(const QTreeWidgetItem *node, bool selected) {
    if (!node)
        return -1;
    if (isRoot(node))
        return 0;
    if (isFirstLevel(node) && node->childCount() > 0)
        return 1;
    return selected ? 3 : 2;
}

void SetNodeImages(QTreeWidgetItem *node) {
    if (!node)
        return;
    IconCache icons;
    setNodeImages(node, icons);
}

QString BuildNodePath(const QTreeWidgetItem *node, int mode) {
    if (node && mode != 1)
        node = node->parent();
    if (!node || isRoot(node))
        return {};
    QString path = Separator + NodeDataOf(node).NodeName;
    while (!isFirstLevel(node)) {
        node = node->parent();
        path.prepend(Separator + NodeDataOf(node).NodeName);
    }
    return Separator + path;
}

QString NewNodePath(const QTreeWidgetItem *selected, const QString &name, bool asChild) {
    QString path;
    if (!selected || isRoot(selected) || (!asChild && isFirstLevel(selected)))
        path = RootPath + name;
    else if (asChild)
        path = NodeDataOf(selected).NodeLikeCode + Separator + name;
    else
        path = BuildNodePath(selected, 0) + Separator + name;
    // A name or a stored path that begins or ends with a backslash must not leave a run of
    // three, which would read as an empty level.
    const QString three = RootPath + Separator;
    while (path.contains(three))
        path.replace(three, RootPath);
    return path;
}

