// The wheel icon is built into the program at every size the launcher uses.
#include "window/common/AppIcon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QList>
#include <QPixmap>

TEST(AppIconTest, EverySizeIsItsOwnDrawingOfARoundWheel) {
    const QList<QSize> sizes = {{16, 16}, {24, 24},   {32, 32},  {48, 48},
                                {64, 64}, {128, 128}, {256, 256}};
    const QIcon icon = AppIcon();
    for (const QSize size : sizes) {
        const QImage image = icon.pixmap(size).toImage();
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size.width(); // round, not square
        EXPECT_EQ(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255) << size.width();
    }
    // An image that failed to load is dropped, and a larger one scaled down in its place.
    EXPECT_EQ(icon.availableSizes(), sizes);
}
