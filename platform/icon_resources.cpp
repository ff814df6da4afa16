#include "platform/icon_resources.h"

#include <QtGlobal>
#include <algorithm>
#include <array>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitIconsResource() {
    Q_INIT_RESOURCE(icons);
}

namespace {

constexpr std::array<ImageResource, 23> kImages{{
    {128, ":/icons/main.svg"},        {129, ":/icons/save.svg"},
    {130, ":/icons/open.svg"},        {131, ":/icons/sort.svg"},
    {132, ":/icons/add_column.svg"},  {134, ":/icons/check.svg"},
    {135, ":/icons/funnel_1.svg"},    {136, ":/icons/delete_marked.svg"},
    {137, ":/icons/funnel_2.svg"},    {138, ":/icons/funnel_3.svg"},
    {139, ":/icons/random.svg"},      {140, ":/icons/delete_all.svg"},
    {141, ":/icons/funnel_4.svg"},    {142, ":/icons/funnel_0.svg"},
    {143, ":/icons/funnel_5.svg"},    {144, ":/icons/funnel_6.svg"},
    {145, ":/icons/funnel_7.svg"},    {146, ":/icons/funnel_8.svg"},
    {147, ":/icons/copy.svg"},        {148, ":/icons/key_grid.svg"},
    {152, ":/icons/burst_small.svg"}, {153, ":/icons/burst_large.svg"},
    {155, ":/icons/logo.svg"},
}};

}  // namespace

std::span<const ImageResource> ImageResources() {
    return kImages;
}

QString ImageResourcePath(int number) {
    const auto* found =
        std::find_if(kImages.begin(), kImages.end(),
                     [number](const ImageResource& image) { return image.number == number; });
    return found == kImages.end() ? QString() : QString::fromLatin1(found->path);
}

void RegisterImageResources() {
    static const bool registered = [] {
        InitIconsResource();
        return true;
    }();
    (void)registered;
}
