#include "toolkit/ISmartListFilter.h"

void ISmartListFilter::ArrangeDisplayed(SmartListControl&, std::vector<IListItem*>&) {}
