// The teacher's answer key to the random exercises of a class: one CSV row
// for each student, with the exercise's inputs and every right answer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tensorium {

// The names of a list, one a line (LF, CRLF or CR), without the blanks and
// tabs around them; blank lines are skipped, a byte order mark at the start
// is dropped, and a name that comes twice stays twice.
std::vector<std::string> StudentNames(std::string_view list);

// CSV after RFC 4180 (comma, CRLF, UTF-8, a name quoted where it holds a
// comma, a quote, or starts with '#'), with the header row
// name,sx,sy,sz,txy,tyz,tzx,dip_direction,dip,friction_angle,cohesion,
// s1,s2,s3,s1_azimuth,s1_dip,regime,sigma,tau,sf
// (one line; the answers under their QuantityKey) and one row a name, in
// order. The inputs are the exercise's texts; the answers come from the
// window's analysis of them, with a decimal point and the window's decimals
// (ShownDecimals: 3 for stresses and SF, 2 for angles), the regime by its
// name. An answer without a value is left empty.
std::string AnswerKeyCsv(const std::vector<std::string>& names);

}  // namespace tensorium
