#include "sessions/hostile_texts.h"

#include <cstdio>

namespace sw4::robust {

namespace {

std::vector<std::string> makeHostileTexts() {
  using namespace std::string_literals;
  std::vector<std::string> t = {
      "",
      " ",
      "   ",
      "\t",
      " \t ",
      "-",
      "+",
      ".",
      "-.",
      "+.",
      "e",
      "E5",
      "1e",
      "1e+",
      "1e-",
      "1e999",
      "-1e999",
      "1e-999",
      "-1e-999",
      "1E308",
      "-1E308",
      "1.7976931348623157e308",
      "1.79769313486232E+308",
      "4.9e-324",
      "2.2250738585072014e-308",
      "NaN",
      "nan",
      "-NaN",
      "inf",
      "-inf",
      "Infinity",
      "-Infinity",
      "1.#INF",
      "1.#QNAN",
      "&H7FFF",
      "&HFFFF",
      "&H8000",
      "&O777",
      "0x10",
      "0X7fff",
      "0b101",
      "1,5",
      "1.5.5",
      "1..5",
      "1,000",
      "1 000",
      "1_000",
      "99999999999",
      "-99999999999",
      "-32769",
      "32768",
      "32767",
      "-32768",
      "32767.5",
      "-32768.5",
      "32766.5",
      "-32767.5",
      "65535",
      "65536",
      "2147483647",
      "2147483648",
      "-2147483648",
      "-2147483649",
      "2147483647.5",
      "4294967296",
      "9223372036854775807",
      "9223372036854775808",
      "-0",
      "+0",
      "-0.0",
      "0e0",
      "--1",
      "+-1",
      "-+1",
      "++1",
      "1-",
      "1+",
      "1e5x",
      "12abc",
      "abc12",
      "x",
      "Go",
      "True",
      "False",
      "$12",
      "12%",
      "(12)",
      "½",
      "¼",
      "\xD9\xA1\xD9\xA2\xD9\xA3",  // Arabic-Indic digits 123
      "\xEF\xBC\x91\xEF\xBC\x92",  // full-width digits 12
      "\xC3\xA9t\xC3\xA9",
      "\xE2\x88\x9E",
      "-\xE2\x88\x9E",
      "\xF0\x9F\x9A\x80",
      "\xFF\xFE",
      "\xC0\xAF",
      "\xED\xA0\x80",
      "\x80",
      "1\xFF",
      "\xE2\x80\x8B"
      "5",  // zero width
      "\xC2\xA0"
      "5",  // nbsp
      "5\xC2\xA0",
      "\x7F",
      "\x1B[2J",
      "\"5\"",
      "'5'",
      "%s%n%x",
      "\\",
      "#5",
      "# 5",
      "\0"s,
      "\0\0\0"s,
      "1\0"s,
      "\0"
      "1"s,
      "12\0"
      "34"s,
      "5\0abc"s,
      "-\0"
      "1"s,
      " 12",
      "12 ",
      "  12  ",
      "\t12\t",
      " -5 ",
      "+ 5",
      "- 5",
      "1 2",
      "5e 2",
      "5 e2",
      " .5 ",
      "1e-5",
      "1E+5",
      "1e+05",
      "1.e5",
      ".e5",
      "0.",
      ".0",
      "00000000000000000000012",
      "0.1e-320",
      "123456789012345678901234567890",
      "1e15",
      "1e16",
      "999999999999999",
      "9999999999999999",
      "1e-9",
      "0.000000001",
      "0.0000000009",
      "99999",
      "100000",
      "2.6",
      "2.61",
      "0.4",
      "0.39",
      "144",
      "145",
      "199",
      "200",
      "202",
      "999",
      "1000",
      "1001",
  };
  t.push_back(std::string(400, '9'));
  t.push_back("-" + std::string(400, '9'));
  t.push_back("1" + std::string(330, '0'));
  t.push_back("0." + std::string(400, '0') + "1");
  t.push_back(std::string(330, '1') + "e-300");
  t.push_back("1e" + std::string(40, '9'));
  t.push_back("1e-" + std::string(40, '9'));
  t.push_back(std::string(2000, '7'));
  t.push_back(std::string(300, ' ') + "5");
  t.push_back(std::string(500, '-'));
  t.push_back(std::string(200, '\xFF'));
  return t;
}

// Round numbers near the ranges the fields care about.
constexpr long long kEdges[] = {0,     1,     2,     3,     4,     5,      9,         10,    15,
                                20,    55,    62,    72,    77,    99,     100,       102,   143,
                                144,   152,   198,   199,   200,   201,    202,       500,   899,
                                900,   998,   999,   1000,  2000,  9999,   15360,     11520, 32000,
                                32766, 32767, 32768, 65536, 99999, 999999, 2147483647};

}  // namespace

const std::vector<std::string>& hostileTexts() {
  static const std::vector<std::string> texts = makeHostileTexts();
  return texts;
}

std::string plausibleNumber(Draw& d) {
  char buf[64];
  std::string s;
  switch (d.below(8)) {
    case 0:
    case 1:
      s = std::to_string(d.between(-20, 300));
      break;
    case 2: {
      const long long v = kEdges[d.below(std::size(kEdges))];
      s = std::to_string(d.chance(0.2) ? -v : v);
      break;
    }
    case 3:
      std::snprintf(buf, sizeof buf, "%.*f", static_cast<int>(d.below(6)),
                    (d.unit() - 0.2) * 1000.0);
      s = buf;
      break;
    case 4:
      std::snprintf(buf, sizeof buf, "%.3g", d.unit() * 10.0);
      s = buf;
      break;
    case 5:
      std::snprintf(buf, sizeof buf, "%de%d", static_cast<int>(d.between(-9, 9)),
                    static_cast<int>(d.between(-12, 12)));
      s = buf;
      break;
    case 6:
      std::snprintf(buf, sizeof buf, ".%lld", static_cast<long long>(d.between(0, 999)));
      s = buf;
      break;
    default:
      std::snprintf(buf, sizeof buf, "%.17g", (d.unit() * 2 - 1) * 40000.0);
      s = buf;
      break;
  }
  if (d.chance(0.08)) s = " " + s;
  if (d.chance(0.08)) s += " ";
  return s;
}

std::string typedText(Draw& d, double hostileShare) {
  if (d.chance(hostileShare)) return d.pick(hostileTexts());
  return plausibleNumber(d);
}

}  // namespace sw4::robust
