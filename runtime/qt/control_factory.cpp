#include "runtime/qt/control_factory.h"

#include <QFrame>
#include <QLabel>
#include <map>

#include "runtime/qt/qt_style.h"
#include "runtime/qt/surface.h"
#include "runtime/qt/text_label.h"
#include "runtime/qt/wrapping_button.h"

namespace tessel::runtime::qt {
namespace {

Qt::Alignment ToQtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::kRight:
      return Qt::AlignRight | Qt::AlignTop;
    case Alignment::kCentre:
      return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::kLeft:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* MakeButton(QWidget* parent, const ControlSpec& spec, bool is_default, const QFont& font,
                    const std::function<void()>& on_click) {
  auto* button = new WrappingButton(ToQString(spec.caption), spec.wrap_width, parent);
  button->setFont(font);
  button->setFocusPolicy(spec.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
  button->setAutoDefault(false);
  button->setDefault(is_default);
  QObject::connect(button, &QPushButton::clicked, button, [on_click] { on_click(); });
  return button;
}

QWidget* MakeLabel(QWidget* parent, const ControlSpec& spec, const QFont& font) {
  auto* label = new TextLabel(ToQString(spec.caption), font, spec.edge.width, parent);
  label->setAlignment(ToQtAlignment(spec.alignment));
  label->setWordWrap(!spec.auto_size);
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

// Null where the picture does not decode.
QWidget* MakeImage(QWidget* parent, const ControlSpec& spec) {
  const QPixmap pixmap = spec.picture ? DecodePicture(*spec.picture) : QPixmap();
  if (spec.picture && pixmap.isNull()) return nullptr;
  auto* image = new QLabel(parent);
  image->setPixmap(pixmap);
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  image->setFocusPolicy(Qt::NoFocus);
  return image;
}

QWidget* MakePictureBox(QWidget* parent, const ControlSpec& spec) {
  auto* box = new Surface(parent);
  if (spec.edge.kind == EdgeKind::kSunken) {
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(spec.edge.width);
  }
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

// Raised from the back, so that the first ends up in front of its siblings.
void Stack(const WindowSpec& spec, const BuiltControls& built) {
  for (auto it = spec.front_to_back.rbegin(); it != spec.front_to_back.rend(); ++it) {
    built.by_id.at(*it)->raise();
  }
}

void SetTabOrder(const WindowSpec& spec, BuiltControls& built) {
  const std::vector<int>& order = spec.tab_order;
  for (size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(built.by_id.at(order[i - 1]), built.by_id.at(order[i]));
  }
  if (!order.empty()) built.first_tab_stop = built.by_id.at(order.front());
}

}  // namespace

void ApplyColours(QWidget* widget, const ControlSpec& spec) {
  if (spec.kind == ControlKind::kPictureBox) {
    static_cast<Surface*>(widget)->SetBackground(ToQColor(spec.back_colour));
    return;
  }
  if (spec.kind != ControlKind::kLabel) return;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(spec.back_colour));
  palette.setColor(QPalette::WindowText, ToQColor(spec.fore_colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(!spec.transparent);
}

bool BuildControls(QWidget* client, const WindowSpec& spec,
                   const std::function<void(int)>& on_click, BuiltControls& built) {
  std::map<int, int> edges;  // of the picture boxes, by id
  for (const ControlSpec& c : spec.controls) {
    edges[c.id] = c.edge.width;
    QWidget* parent = c.parent_id == 0 ? client : built.by_id.at(c.parent_id);
    const QFont font = ToQFont(c.font);
    const bool is_default = c.id == spec.default_button;
    QWidget* widget = nullptr;
    switch (c.kind) {
      case ControlKind::kCommandButton:
        widget = MakeButton(parent, c, is_default, font, [on_click, id = c.id] { on_click(id); });
        if (is_default) built.default_button = widget;
        break;
      case ControlKind::kLabel:
        widget = MakeLabel(parent, c, font);
        break;
      case ControlKind::kImage:
        widget = MakeImage(parent, c);
        break;
      case ControlKind::kPictureBox:
        widget = MakePictureBox(parent, c);
        break;
    }
    if (!widget) return false;
    widget->setObjectName(ToQString(c.name));
    // A control in a picture box counts from inside the box's edge.
    const int inset = c.parent_id == 0 ? 0 : edges[c.parent_id];
    widget->setGeometry(c.rect.x + inset, c.rect.y + inset, c.rect.width, c.rect.height);
    if (!c.tool_tip.empty()) widget->setToolTip(ToQString(c.tool_tip));
    built.by_id[c.id] = widget;
  }
  Stack(spec, built);
  SetTabOrder(spec, built);
  return true;
}

}  // namespace tessel::runtime::qt
