#include "editor/SettingBox.h"

#include "core/Int16.h"
#include "files/NumberText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>

SettingBox::SettingBox(QWidget* parent, const SettingRange& range)
    : QObject(parent), slider(new QSlider(Qt::Horizontal, parent)), text(new QLineEdit(range.initial, parent)),
      m_written(range.initial)
{
    slider->setRange(range.minimum, range.maximum);
    slider->setSingleStep(range.smallStep);
    slider->setPageStep(range.largeStep);
    slider->setTickInterval(range.tickEvery);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(sliderValueOf(range.initial));
    connect(slider, &QSlider::valueChanged, this, &SettingBox::slider_Change);
    // Every press on the handle starts a drag of its own, so one drag is one change to undo.
    connect(slider, &QSlider::sliderPressed, this, [this] { ++m_drag; });
    text->installEventFilter(this);
}

int SettingBox::sliderValueOf(const QString& typed) const
{
    const double value = roundHalfEven(leadingNumber(typed));
    return static_cast<int>(std::clamp(value, double(slider->minimum()), double(slider->maximum())));
}

void SettingBox::show(const QString& value)
{
    m_programSets = true;
    slider->setValue(sliderValueOf(value));
    m_programSets = false;
    text->setText(value);
    m_written = value;
}

void SettingBox::slider_Change(int value)
{
    const QString before = m_written;
    m_written = QString::number(value);
    text->setText(m_written);
    if (!m_programSets)
        emit changed(before, m_written, slider->isSliderDown() ? m_drag : 0);
}

void SettingBox::txt_KeyPress()
{
    // Setting an equal value fires no change: the box then keeps what was typed.
    slider->setValue(sliderValueOf(text->text()));
}

bool SettingBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {  // the filter watches the box only
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txt_KeyPress();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
