#include "Controls.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <cstdlib>

namespace platform {

int Tag(const QObject* control) { return control->property("Tag").toInt(); }

void SetTag(QObject* control, int tag) { control->setProperty("Tag", tag); }

namespace {

// The faces our windows name are Windows faces; these metric-compatible ones stand in for them.
void InstallSubstitutes() {
    static const bool installed = [] {
        QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
        QFont::insertSubstitution("Arial", "Liberation Sans");
        QFont::insertSubstitution("Times New Roman", "Liberation Serif");
        QFont::insertSubstitution("Courier New", "Liberation Mono");
        return true;
    }();
    (void)installed;
}

}  // namespace

QFont MakeFont(const char* face, int height, bool bold) {
    InstallSubstitutes();
    QFont font(face);
    font.setPixelSize(std::abs(height));
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top, const QFont& font) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void FitToContent(QWidget* client) {
    QRect bounds;
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bounds |= child->geometry();
    client->setFixedSize(bounds.right() + 1, bounds.bottom() + 1);
}

}  // namespace platform
