#pragma once
// One page (`Picture1(i)`) of an editor: paints its background, the ruling lines and
// shapes of the form design, and whatever the editor adds (the boundary sketch).
#include "forms/form_design.h"

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>

namespace mf {

class EditorPage : public QWidget {
    Q_OBJECT
public:
    EditorPage(const FormDesign& design, int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    // A gradient background from start to end (vertical: bands from top to bottom).
    void setGradient(QColor start, QColor end, bool vertical);
    // Extra painting in page twips, after the design's lines and shapes.
    std::function<void(QPainter&)> paintExtra;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const FormDesign& design_;
    int index_;
    struct Gradient {
        QColor start, end;
        bool vertical;
    };
    std::optional<Gradient> gradient_;
};

} // namespace mf
