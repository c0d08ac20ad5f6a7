#pragma once

// The vendor's support e-mail address, shown in the windows and used in messages and links.
#define SHARDWICK_SUPPORT_ADDRESS "support@shardwick.example"
inline constexpr char kSupportAddress[] = SHARDWICK_SUPPORT_ADDRESS;
