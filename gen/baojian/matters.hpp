// The twenty matters of the second 御定奇门宝鉴 text, one reading each.
// Every reading names the pieces tradition consults for its matter and the
// feature that decided it, and follows the chart's verdict and plate state
// (伏吟 counsels waiting, 反吟 reversal and movement). `detail` 0..2 lets
// the composer shorten a reading to keep the text within the store's limit:
// 2 names the stems too, 1 drops them, 0 keeps the pieces and the outcome.
#pragma once

#include <string>

#include "reading_kit.hpp"

namespace qimen::gen {

// Field and state: 兵事 出行 阳宅 阴宅 人事 虚实 攻城 守城 天时 地理.
std::string readMilitary(const Reader& r, int detail);
std::string readTravel(const Reader& r, int detail);
std::string readDwelling(const Reader& r, int detail);
std::string readGrave(const Reader& r, int detail);
std::string readAffairs(const Reader& r, int detail);
std::string readFeint(const Reader& r, int detail);
std::string readSiege(const Reader& r, int detail);
std::string readDefence(const Reader& r, int detail);
std::string readWeather(const Reader& r, int detail);
std::string readTerrain(const Reader& r, int detail);

// House and person: 家宅 官禄 应试 求财 婚姻 胎产 疾病 失物 远信 鸦鸣.
std::string readHousehold(const Reader& r, int detail);
std::string readOffice(const Reader& r, int detail);
std::string readExamination(const Reader& r, int detail);
std::string readWealth(const Reader& r, int detail);
std::string readMarriage(const Reader& r, int detail);
std::string readBirth(const Reader& r, int detail);
std::string readIllness(const Reader& r, int detail);
std::string readLostThing(const Reader& r, int detail);
std::string readLetters(const Reader& r, int detail);
std::string readCrows(const Reader& r, int detail);

}  // namespace qimen::gen
