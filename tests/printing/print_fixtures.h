#pragma once
// A form for the printing tests: a design written inline and live values by control name.
#include "core/app_state.h"
#include "forms/form_design.h"
#include "platform/print_target.h"
#include "printing/printable_form.h"

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

namespace mf::test {

class FakeForm : public PrintableForm {
public:
    // Lines of the design format after the header; pages 0 to 4 exist.
    explicit FakeForm(const QString& controls, int kind = 1, const QString& sketchTag = QStringLiteral("(1500,4590)-(6900,6690)")) : kind_(kind) {
        QString text = QStringLiteral("@form|NewTab|%1|测试\n").arg(kind);
        for (int i = 0; i < 5; ++i)
            text += QStringLiteral("@page|%1|7155|7545|%2\n").arg(i).arg(i == 3 ? sketchTag : QString());
        text += controls;
        QString error;
        design_ = parseFormDesign(text.toUtf8(), QStringLiteral("test"), &error);
        EXPECT_TRUE(design_.isValid()) << error.toStdString();
    }
    int kind() const override { return kind_; }
    const FormDesign& design() const override { return design_; }
    LiveControl live(const DesignControl& c) const override {
        LiveControl l;
        l.text = texts.value(c.displayName(), c.caption);
        l.visible = !hidden.contains(c.displayName()) && c.visible;
        l.value = values.value(c.displayName(), 0);
        return l;
    }
    QString boundary() override { return zb; }
    QString mineName() const override { return texts.value(QStringLiteral("ChTXT(1)")); }

    QHash<QString, QString> texts;
    QHash<QString, int> values;
    QSet<QString> hidden;
    QString zb;

private:
    int kind_;
    FormDesign design_;
};

// A square of 1 km in plane coordinates, and one of two blocks.
inline QString squareBoundary() {
    return QStringLiteral("1,4,1,3800000,38500000,2,3800000,38501000,3,3801000,38501000,4,3801000,38500000,100,-50,1,1,");
}

struct PrintingTest : ::testing::Test {
    void SetUp() override {
        state().PrinterCount = 2;
        state().PrintScaleX = 1.5f;
        state().PrintScaleY = 1.9f;
    }
};

} // namespace mf::test
