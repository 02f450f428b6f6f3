#pragma once

#include <cstdint>
#include <ostream>

#include "CvMibCatalogue.h"
#include "PageOptions.h"

// `pages`: one line per page in menu order.
void PrintPages(std::ostream& out);
// `describe`: one line per descriptor record of the page.
void PrintRecords(const CvMibPage& page, std::ostream& out);
// `page`: reads or writes the page through the global session, as its window
// would; a read prints the shown labels, then one line per row, a write with
// `verbose` each OID and the value it wrote. Failures raise.
void RunPage(const PageCommand& command, std::int32_t timeout, std::int32_t retries, bool verbose,
             std::ostream& out);
