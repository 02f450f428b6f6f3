// The port grid: ports per model, where the check boxes sit (twelve or ten
// to a row), which of them are offered, and the bit list a host binds.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QTabBar>
#include <QTabWidget>

#include "AgentProcess.h"
#include "CheckBox.h"
#include "TStackingPortUitForm.h"

namespace {

TEST(PortGridTest, PortCountOfModel) {
    const std::pair<const char*, int> cases[] = {{"Vanta-A", 26}, {"Vanta-AP", 26}, {"Vanta-B", 27},
                                                 {"Vanta-C", 50}, {"vanta-a", 0},   {"", 0}};
    for (const auto& [model, ports] : cases) {
        EXPECT_EQ(PortCountOfModel(model), ports) << model;
    }
}

TEST(PortGridTest, BitPositionsCoverSixtyFourPortsAUnit) {
    const std::string one = PortBitPositions(1);
    EXPECT_EQ(one.substr(0, 6), "0,1,2,");
    EXPECT_EQ(one.substr(one.size() - 6), ",62,63");
    EXPECT_EQ(std::count(one.begin(), one.end(), ','), 63);
    const std::string twelve = PortBitPositions(12);
    EXPECT_EQ(twelve.substr(twelve.size() - 4), ",767");
}

// Where check box i of a page with `columns` columns must be.
QRect Expected(const CheckBox& box, int i, int columns) {
    const int f = QFontInfo(box.font()).pointSize();
    const int h = box.sizeHint().height();
    return {(i % columns) * 5 * f + 20, (i / columns) * h + 4,
            static_cast<int>(box.text().size()) * f + 3 * f, h};
}

class PortGridGeometryTest : public ::testing::TestWithParam<bool> {};

TEST_P(PortGridGeometryTest, CheckBoxesFollowTheColumnRule) {
    const bool deviceInfo = GetParam();
    agents::TempDir folder("vanta-grid");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(folder.Path())));
    if (deviceInfo) {
        QFile file("DeviceInfo.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));  // its content is never read
    }
    TStackingPortUitForm grid;
    grid.AddUnitPage("Unit1", 1, 64, 12);
    QDir::setCurrent(previous);

    const int columns = deviceInfo ? 10 : 12;
    ASSERT_EQ(grid.PortCheckBoxes.size(), 64u);
    for (int i = 0; i < 64; ++i) {
        const CheckBox& box = *grid.PortCheckBoxes[static_cast<std::size_t>(i)];
        EXPECT_EQ(box.text(), QString::number(i + 1));
        EXPECT_EQ(box.geometry(), Expected(box, i, columns)) << "port " << i + 1;
        EXPECT_TRUE(box.isHidden());
    }
    // The first port of the second row starts at the left again.
    const CheckBox& second = *grid.PortCheckBoxes[static_cast<std::size_t>(columns)];
    EXPECT_EQ(second.x(), 20);
    EXPECT_GT(second.y(), grid.PortCheckBoxes[0]->y());
}

INSTANTIATE_TEST_SUITE_P(DeviceInfo, PortGridGeometryTest, ::testing::Bool(), [](const auto& info) {
    return info.param ? std::string("Present") : std::string("Absent");
});

TEST(PortGridTest, ShowUnitPortsOffersTheModelsPortsOnAHiddenTab) {
    TStackingPortUitForm grid;
    grid.AddUnitPage("Unit1", 1, 64, 12);
    grid.ShowUnitPorts("1", "Vanta-A", 1, PortCountOfModel("Vanta-A"));
    EXPECT_EQ(grid.UnitPageControl->tabText(0), "Unit1 Vanta-A");
    EXPECT_FALSE(grid.UnitPageControl->tabBar()->isVisibleTo(&grid));
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(grid.PortCheckBoxes[static_cast<std::size_t>(i)]->isHidden(), i >= 26) << i;
    }
    EXPECT_EQ(grid.size(), QSize(543, 252));

    // A unit that is not a number or has no page changes nothing.
    for (const char* unit : {"x", "0", "2", ""}) {
        grid.ShowUnitPorts(unit, "Vanta-C", 1, 50);
    }
    EXPECT_EQ(grid.UnitPageControl->tabText(0), "Unit1 Vanta-A");
    EXPECT_TRUE(grid.PortCheckBoxes[26]->isHidden());

    grid.PortCheckBoxes[0]->setChecked(true);
    grid.PortCheckBoxes[63]->setChecked(true);
    grid.UncheckAll();
    for (const CheckBox* box : grid.PortCheckBoxes) {
        EXPECT_FALSE(box->isChecked());
    }
}

}  // namespace
