#include "ui/field_style.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleOption>

namespace carloan {
namespace {

class field_style : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelLineEdit && (option->state & State_ReadOnly)) {
            if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
                QStyleOptionFrame read_only = *frame;
                read_only.palette.setBrush(QPalette::Base, frame->palette.window());
                QProxyStyle::drawPrimitive(element, &read_only, painter, widget);
                return;
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

}  // namespace

void use_field_style() {
    // Built by name, so that the style the platform or the user chose stays underneath.
    QApplication::setStyle(new field_style(QApplication::style()->name()));
}

}  // namespace carloan
