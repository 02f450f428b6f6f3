#include "CvCataloguePages.h"

#include <map>
#include <vector>

TConfigPageParams PageParams(const CvMibPage& page) {
    // The catalogue is immutable: each page's formats are converted once.
    static std::map<const CvMibPage*, std::vector<TColumnFormat>> formats;
    std::vector<TColumnFormat>& own = formats[&page];
    if (own.size() != page.Formats.size()) {
        own.clear();
        for (const CvColumnFormat& f : page.Formats) {
            own.push_back({f.Column, f.Format});
        }
    }
    TConfigPageParams params;
    params.Title = page.Title;
    params.Table = page.Records;
    params.ItemType = page.ItemType;
    params.KeyCount = page.PKeyCount;
    params.StatusColumn = page.StatusColumn;
    params.AddStatus = page.AddStatus;
    params.DeleteStatus = page.DeleteStatus;
    params.CaptionWithAddress = page.CaptionWithAddress;
    params.Adjust.Formats = own;
    params.Adjust.HideEditButton = page.NoEditButton;
    for (const CvSizeAdjustment& size : page.Sizes) {
        switch (size.Kind) {
            case CvSizeKind::Height:
                params.Adjust.Height = size.Amount;
                break;
            case CvSizeKind::HeightUnscaled:
                params.Adjust.Height = size.Amount;
                params.Adjust.Unscaled = true;
                break;
            case CvSizeKind::HeightPlus:
                params.Adjust.HeightPlus = size.Amount;
                break;
            case CvSizeKind::WidthPlus:
                params.Adjust.WidthPlus = size.Amount;
                break;
            case CvSizeKind::EditWidthPlus:
                params.Adjust.EditWidthPlus = size.Amount;
                break;
            case CvSizeKind::EditWidth:
                params.Adjust.EditWidth = size.Amount;
                break;
        }
    }
    return params;
}
