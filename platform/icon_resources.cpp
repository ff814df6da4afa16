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
    {kMainIcon, ":/icons/main.svg"},
    {kSaveIcon, ":/icons/save.svg"},
    {kOpenIcon, ":/icons/open.svg"},
    {kSortIcon, ":/icons/sort.svg"},
    {kAddColumnIcon, ":/icons/add_column.svg"},
    {kCheckIcon, ":/icons/check.svg"},
    {kFunnel1Icon, ":/icons/funnel_1.svg"},
    {kDeleteMarkedIcon, ":/icons/delete_marked.svg"},
    {kFunnel2Icon, ":/icons/funnel_2.svg"},
    {kFunnel3Icon, ":/icons/funnel_3.svg"},
    {kRandomIcon, ":/icons/random.svg"},
    {kDeleteAllIcon, ":/icons/delete_all.svg"},
    {kFunnel4Icon, ":/icons/funnel_4.svg"},
    {kFunnel0Icon, ":/icons/funnel_0.svg"},
    {kFunnel5Icon, ":/icons/funnel_5.svg"},
    {kFunnel6Icon, ":/icons/funnel_6.svg"},
    {kFunnel7Icon, ":/icons/funnel_7.svg"},
    {kFunnel8Icon, ":/icons/funnel_8.svg"},
    {kCopyIcon, ":/icons/copy.svg"},
    {kKeyGridIcon, ":/icons/key_grid.svg"},
    {kBurstSmallIcon, ":/icons/burst_small.svg"},
    {kBurstLargeIcon, ":/icons/burst_large.svg"},
    {kLogoBitmap, ":/icons/logo.svg"},
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
