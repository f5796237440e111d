#pragma once
// TLabel3D: a label whose text may look raised (lit from the top left) or
// recessed (pressed into the surface). The border comes from QFrame
// (setFrameStyle), the background colour from setColor, which also makes
// the label opaque.

#include <QLabel>

namespace vantor::ui {

class TLabel3D : public QLabel {
    Q_OBJECT
public:
    enum class Style3D { flat, raised, recessed };

    explicit TLabel3D(QWidget* parent = nullptr);

    Style3D style3D() const { return style3D_; }
    void setStyle3D(Style3D style);
    // Fills the label with colour.
    void setColor(const QColor& colour);
    void setFontColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Style3D style3D_ = Style3D::flat;
};

}  // namespace vantor::ui
