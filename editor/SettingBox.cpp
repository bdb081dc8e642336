#include "editor/SettingBox.h"

#include "core/Int16.h"
#include "files/NumberText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>

SettingBox::SettingBox(QWidget* parent, const SettingRange& range)
    : QObject(parent), m_slider(new QSlider(Qt::Horizontal, parent)), m_edit(new QLineEdit(range.initial, parent)),
      m_written(range.initial)
{
    m_slider->setRange(range.minimum, range.maximum);
    m_slider->setSingleStep(range.smallStep);
    m_slider->setPageStep(range.largeStep);
    m_slider->setTickInterval(range.tickEvery);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setValue(sliderValueOf(range.initial));
    connect(m_slider, &QSlider::valueChanged, this, &SettingBox::writeSliderValue);
    // Every press on the handle starts a drag of its own, so one drag is one change to undo.
    connect(m_slider, &QSlider::sliderPressed, this, [this] { ++m_drag; });
    m_edit->installEventFilter(this);
}

int SettingBox::sliderValueOf(const QString& typed) const
{
    const double value = roundHalfEven(leadingNumber(typed));
    return static_cast<int>(std::clamp(value, double(m_slider->minimum()), double(m_slider->maximum())));
}

void SettingBox::show(const QString& value)
{
    m_programSets = true;
    m_slider->setValue(sliderValueOf(value));
    m_programSets = false;
    m_edit->setText(value);
    m_written = value;
}

void SettingBox::writeSliderValue(int value)
{
    const QString before = m_written;
    m_written = QString::number(value);
    m_edit->setText(m_written);
    if (!m_programSets)
        emit changed(before, m_written, m_slider->isSliderDown() ? m_drag : 0);
}

void SettingBox::takeTypedNumber()
{
    // Setting an equal value fires no change: the box then keeps what was typed.
    m_slider->setValue(sliderValueOf(m_edit->text()));
}

bool SettingBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {  // the filter watches the box only
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takeTypedNumber();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
