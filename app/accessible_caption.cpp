#include "app/accessible_caption.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

namespace fotivo {

namespace {

constexpr const char* captionProperty = "fotivoCaption";

class CaptionAccessible : public QAccessibleWidget {
 public:
  CaptionAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return widget()->accessibleName();
    if (t == QAccessible::Description || t == QAccessible::Value) return shownText();
    return QAccessibleWidget::text(t);
  }

 private:
  QString shownText() const {
    if (auto* label = qobject_cast<QLabel*>(widget())) return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget())) return box->title();
    return {};
  }
};

QAccessibleInterface* captionFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr || !widget->property(captionProperty).toBool()) return nullptr;
  const bool frame = qobject_cast<QGroupBox*>(widget) != nullptr;
  return new CaptionAccessible(widget, frame ? QAccessible::Grouping : QAccessible::StaticText);
}

}  // namespace

void installCaptionAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(captionFactory);
    return true;
  }();
  (void)installed;
}

void setCaptionAccessible(QWidget* widget, const QString& name) {
  widget->setProperty(captionProperty, true);
  widget->setAccessibleName(name);
}

}  // namespace fotivo
