#include "runtime/qt/control_factory.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

#include "runtime/qt/qt_style.h"
#include "runtime/qt/surface.h"
#include "runtime/qt/units.h"
#include "runtime/qt/wrapping_button.h"

namespace tessel::runtime::qt {
namespace {

QRect Pixels(const TwipRect& r) {
  return QRect(ToPixels(r.left), ToPixels(r.top), ToPixels(r.width), ToPixels(r.height));
}

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

QWidget* MakeButton(QWidget* parent, const ControlSpec& spec, const QFont& font,
                    const std::function<void()>& on_click) {
  auto* button = new WrappingButton(QString::fromStdString(spec.caption), parent);
  button->setFont(font);
  button->setFocusPolicy(spec.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
  button->setAutoDefault(false);
  button->setDefault(spec.default_button);
  QObject::connect(button, &QPushButton::clicked, button, [on_click] { on_click(); });
  return button;
}

QWidget* MakeLabel(QWidget* parent, const ControlSpec& spec, const QFont& font) {
  auto* label = new QLabel(QString::fromStdString(spec.caption), parent);
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(ToQtAlignment(spec.alignment));
  label->setWordWrap(!spec.auto_size);
  label->setFocusPolicy(Qt::NoFocus);
  if (spec.framed) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
  return label;
}

QWidget* MakeImage(QWidget* parent, const ControlSpec& spec) {
  auto* image = new QLabel(parent);
  image->setPixmap(DecodePicture(spec.picture));
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  image->setFocusPolicy(Qt::NoFocus);
  return image;
}

QWidget* MakePictureBox(QWidget* parent, const ControlSpec& spec) {
  auto* box = new Surface(parent);
  if (spec.framed) box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

// Labels and images are drawn on their parent's own surface, so they lie behind every button
// and picture box; among themselves, later ones lie in front.
void StackLightweightControlsBehind(const WindowSpec& spec, const BuiltControls& built) {
  for (auto it = spec.controls.rbegin(); it != spec.controls.rend(); ++it) {
    if (it->kind == ControlKind::kLabel || it->kind == ControlKind::kImage) {
      built.by_id.at(it->id)->lower();
    }
  }
}

void SetTabOrder(const WindowSpec& spec, BuiltControls& built) {
  std::vector<const ControlSpec*> stops;
  for (const ControlSpec& c : spec.controls) {
    if (c.kind == ControlKind::kCommandButton && c.tab_stop) stops.push_back(&c);
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](auto* a, auto* b) { return a->tab_index < b->tab_index; });
  for (size_t i = 1; i < stops.size(); ++i) {
    QWidget::setTabOrder(built.by_id.at(stops[i - 1]->id), built.by_id.at(stops[i]->id));
  }
  if (!stops.empty()) built.first_tab_stop = built.by_id.at(stops.front()->id);
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

void FitLabel(QWidget* widget, const ControlSpec& spec) {
  auto* label = static_cast<QLabel*>(widget);
  const QFontMetrics metrics(label->font());
  const int frame = 2 * label->frameWidth();
  const int width = metrics.horizontalAdvance(label->text()) + frame;
  const int height = metrics.height() + frame;
  QRect r = label->geometry();
  // A centred label keeps its centre line; others keep their left edge.
  const int left =
      spec.alignment == Alignment::kCentre ? r.left() + (r.width() - width) / 2 : r.left();
  label->setGeometry(left, r.top(), width, height);
}

BuiltControls BuildControls(QWidget* client, const WindowSpec& spec,
                            const std::function<void(int)>& on_click) {
  BuiltControls built;
  const QFont window_font = ToQFont(spec.font.value_or(FontRecord{}));
  for (const ControlSpec& c : spec.controls) {
    QWidget* parent = c.parent_id == 0 ? client : built.by_id.at(c.parent_id);
    const QFont font = c.font ? ToQFont(*c.font) : window_font;
    QWidget* widget = nullptr;
    switch (c.kind) {
      case ControlKind::kCommandButton:
        widget = MakeButton(parent, c, font, [on_click, id = c.id] { on_click(id); });
        if (c.default_button) built.default_button = widget;
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
    widget->setObjectName(QString::fromStdString(c.name));
    widget->setGeometry(Pixels(c.geometry));
    if (c.kind == ControlKind::kImage) widget->resize(widget->sizeHint());
    if (c.auto_size) FitLabel(widget, c);
    if (!c.tool_tip.empty()) widget->setToolTip(QString::fromStdString(c.tool_tip));
    built.by_id[c.id] = widget;
  }
  StackLightweightControlsBehind(spec, built);
  SetTabOrder(spec, built);
  return built;
}

}  // namespace tessel::runtime::qt
