#pragma once

// Registers the names of the records the connection manager's signals carry, so that
// they can also be found by the names they are declared with (such as "position_range_t").
// Safe to call more than once.
void registerConnectionMetaTypes();
