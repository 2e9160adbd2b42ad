#include "engine/core/lists/named_value_table_members.h"

template class CNamedValueTable<int32_t>;
template class CNamedValueTable<float>;
template class CNamedValueTable<int64_t>;
