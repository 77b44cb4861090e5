#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/platform/detail/WideInt.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <unordered_set>
#include <vector>

namespace tal::platform {
namespace {

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

// Each row's product, in both orders and with one operand negated.
template <std::size_t N>
void expectProducts(const std::array<std::array<const char*, 3>, N>& cases) {
  for (const auto& [a, b, product] : cases) {
    EXPECT_EQ(dec(a) * dec(b), dec(product)) << a << " × " << b;
    EXPECT_EQ(dec(b) * -dec(a), -dec(product)) << b << " × -" << a;
  }
}

TEST(DecimalShape, IsSmallAndTriviallyCopyable) {
  static_assert(sizeof(Decimal) <= 24);
  static_assert(std::is_trivially_copyable_v<Decimal>);
  static_assert(!std::is_convertible_v<double, Decimal>, "doubles must go through fromDouble");
}

TEST(DecimalArithmetic, OneThirdCarriesThirtyEightDigits) {
  EXPECT_EQ((Decimal(1) / Decimal(3)).description(), "0.33333333333333333333333333333333333333");
  EXPECT_EQ((Decimal(2) / Decimal(3)).description(), "0.66666666666666666666666666666666666667");
}

TEST(DecimalArithmetic, DecimalFractionsAddExactly) {
  EXPECT_EQ(0.1_dec + 0.2_dec, 0.3_dec);
  EXPECT_EQ((1.5_dec * Decimal(1000)).description(), "1500");
}

// Sums whose operands sit up to 76 places apart, where the smaller one only
// decides the last digit or the rounding. Expected values from Python's
// decimal module (38 digits, half to even).
TEST(DecimalArithmetic, SumsOfFarApartOperandsRoundOnce) {
  struct Case {
    const char* a;
    const char* b;
    const char* sum;
  };
  const Case cases[] = {
      {"1E+76", "-9.9999999999999999999999999999999999999E+37", "9.9999999999999999999999999999999999999E+75"},
      {"1E+76", "5.0000000000000000000000000000000000000E+37", "1E+76"},  // tie, stays even
      {"9.9999999999999999999999999999999999999E+75", "5E+37", "1.0000000000000000000000000000000000000E+76"},
      {"1.2345678901234567890123456789012345678", "273.15", "274.38456789012345678901234567890123457"},
      {"1.2345678901234567890123456789012345678", "-459.67", "-458.43543210987654321098765432109876543"},
      {"1E+38", "-1", "99999999999999999999999999999999999999"},  // the borrow runs through every digit
      {"1E+57", "-1", "1.0000000000000000000000000000000000000E+57"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(dec(c.a) + dec(c.b), dec(c.sum)) << c.a << " + " << c.b;
    EXPECT_EQ(dec(c.b) + dec(c.a), dec(c.sum)) << c.b << " + " << c.a;
    EXPECT_EQ(-dec(c.a) - dec(c.b), -dec(c.sum)) << "-" << c.a << " - " << c.b;
  }
}

// A 38-digit operand 1 to 39 places above another of 38 or 3 digits, with
// both signs; then a sum of 58 digits, ties at a shift of 3 and a borrow
// through 40 digits. From Python's decimal, 38 digits, half to even.
TEST(DecimalArithmetic, SumsAtEveryAlignmentRoundOnce) {
  const std::array<std::array<const char*, 3>, 37> cases = {{
      {"65935052679585191764841686773.526624714", "1423213654732225268677844747.8126615596", "67358266334317417033519531521.339286274"},
      {"-48558312087596433805295377656.786264195", "-7887102715501239821802540440.7671858991", "-56445414803097673627097918097.553450094"},
      {"74157334398171278557141550768.405462859", "-9.85E-8", "74157334398171278557141550768.405462760"},
      {"782552190572906116012525379432.55243557", "5755871591259884790489369707.7508027670", "788308062164166000803014749140.30323834"},
      {"192123227844094720608034980524.60349396", "-2601539909445803008771674430.8593444728", "189521687934648917599263306093.74414949"},
      {"474076583799125761507291972052.59644286", "-4.70E-8", "474076583799125761507291972052.59644281"},
      {"-767244145216297351339925126384030.40269", "6456014310039257437336901264.0839916157", "-767237689201987312082487789482766.31870"},
      {"661761590347117821686278014513883.88924", "-2406823311613337332359024389.6007391054", "661759183523806208348945655489494.28850"},
      {"-774961254521735339129276727889800.64639", "-3.92E-8", "-774961254521735339129276727889800.64639"},
      {"7.4527036502824835640381398294322963857E+45", "8940876786781341287582852378.4076780672", "7.4527036502824835729790166162136376733E+45"},
      {"4.0203451673619764914973235380427197501E+45", "-1882559973487180214757706815.0324178245", "4.0203451673619764896147635645555395353E+45"},
      {"3.8966713679670610558809281987727815511E+45", "-3.17E-8", "3.8966713679670610558809281987727815511E+45"},
      {"6.6973720204847720291240298830238248852E+46", "6991415539165251007161130578.5872540199", "6.6973720204847720298231714369403499859E+46"},
      {"-7.2985542638195593178983731197419475116E+46", "-7573982919250402518024836359.2651229353", "-7.2985542638195593186557714116669877634E+46"},
      {"3.9280773064988904803735893456882348708E+46", "-1.39E-8", "3.9280773064988904803735893456882348708E+46"},
      {"5.3815536130200826327851745470146584518E+47", "9433419549116343775282794113.9867560510", "5.3815536130200826328795087425058218896E+47"},
      {"5.0840841764644433966603061104927174982E+47", "-3374939783469383366107655171.5114488907", "5.0840841764644433966265567126580236645E+47"},
      {"-5.1843738536872430001920271124110606192E+47", "-4.52E-8", "-5.1843738536872430001920271124110606192E+47"},
      {"1.7578979679836162178319667622908073553E+48", "6398023298075796086495128241.6249216674", "1.7578979679836162178383647855888831514E+48"},
      {"6.3000364722929732619611990325449849671E+48", "-2320787217903894260930278028.4586541178", "6.3000364722929732619588782453270810728E+48"},
      {"-2.3059439646660927053423859964062800005E+48", "-7.62E-8", "-2.3059439646660927053423859964062800005E+48"},
      {"2.1791350067532248308314413627431356210E+57", "8971391202162077292028144203.8667906107", "2.1791350067532248308314413627521070122E+57"},
      {"2.8262505356001333636442810826374334340E+57", "-7134331278709434960565624280.4215644847", "2.8262505356001333636442810826302991027E+57"},
      {"3.3320989455853299259309885714110071717E+57", "-4.06E-8", "3.3320989455853299259309885714110071717E+57"},
      {"9.0171199829449529470222217225630666037E+64", "5158413004153737452794511434.9722482693", "9.0171199829449529470222217225630666042E+64"},
      {"2.1633858507445185380924329214044050160E+64", "-3023963584160294165156115707.9597239938", "2.1633858507445185380924329214044050157E+64"},
      {"4.6432852947627063727136623500433421134E+64", "-3.62E-8", "4.6432852947627063727136623500433421134E+64"},
      {"7.9964111454670032162581690741028147740E+65", "1669057988051145376608847581.4840079785", "7.9964111454670032162581690741028147740E+65"},
      {"1.6825005179863957868018602147178505938E+65", "-7453054511877993405161262705.3515792258", "1.6825005179863957868018602147178505937E+65"},
      {"2.4933736950884251520717803988073469693E+65", "-2.82E-8", "2.4933736950884251520717803988073469693E+65"},
      {"-3.3522061784230453766097789899927082503E+66", "4949256950942039219146480063.1159027629", "-3.3522061784230453766097789899927082503E+66"},
      {"-1.7116253314203615910964627817715296306E+66", "-1653157751989271569883075563.6025502849", "-1.7116253314203615910964627817715296306E+66"},
      {"4.0856844513364103589327945163246269984E+66", "-7.68E-8", "4.0856844513364103589327945163246269984E+66"},
      {"9.9999999999999999999999999999999999999E+56", "99999999999999999999999999999999999999", "1.0000000000000000001000000000000000000E+57"},
      {"1.2345678901234567890123456789012345671E+40", "500", "1.2345678901234567890123456789012345672E+40"},
      {"1.2345678901234567890123456789012345672E+40", "500", "1.2345678901234567890123456789012345672E+40"},
      {"1.0000000000000000000000000000000000000E+40", "-1", "1.0000000000000000000000000000000000000E+40"},
  }};
  for (const auto& [a, b, sum] : cases) {
    const std::string expected = dec(sum).toScientificString();
    EXPECT_EQ((dec(a) + dec(b)).toScientificString(), expected) << a << " + " << b;
    EXPECT_EQ((dec(b) + dec(a)).toScientificString(), expected) << b << " + " << a;
    EXPECT_EQ((-dec(a) - dec(b)).toScientificString(), (-dec(sum)).toScientificString()) << "-" << a << " - " << b;
  }
}

TEST(DecimalArithmetic, DivisionByZeroAndNaNOperandsGiveNaN) {
  const Decimal nan = Decimal::nan();
  for (const Decimal& r : {Decimal(1) / Decimal(0), Decimal(0) / Decimal(0), nan + Decimal(1), Decimal(1) - nan,
                           nan * Decimal(0), Decimal(1) / nan, pow(nan, 2), pow(Decimal(2), -1)}) {
    EXPECT_TRUE(r.isNaN()) << r;
  }
}

TEST(DecimalArithmetic, OverflowIsNaNAndUnderflowIsZero) {
  const Decimal big = dec("9.9E+999999");
  EXPECT_TRUE((big * Decimal(10)).isNaN());
  EXPECT_TRUE((big + big).isNaN());
  const Decimal tiny = dec("1E-999999");
  EXPECT_TRUE((tiny / Decimal(10)).isZero());
  EXPECT_FALSE((tiny / Decimal(10)).isNegative());
  EXPECT_TRUE(dec("1e1000000").isNaN());
  EXPECT_TRUE(dec("-1e-1000000").isZero());
}

// A value's leading digit decides whether it is in range, whatever its
// exponent field: a 38-digit coefficient reaches 37 places higher than a
// one-digit one with the same field.
TEST(DecimalArithmetic, RangeEdgesFollowTheLeadingDigit) {
  struct Case {
    const char* text;
    bool finite;
    bool zero;
  };
  const Case cases[] = {
      {"9.9999999999999999999999999999999999999E+999999", true, false},
      {"9.9999999999999999999999999999999999999E+1000000", false, false},
      {"1E+999999", true, false},
      {"1E+1000000", false, false},
      {"1.2345678901234567890123456789012345678E-999999", true, false},
      {"1.2345678901234567890123456789012345678E-1000000", true, true},
      {"1E-999999", true, false},
      {"1E-1000036", true, true},
      {"12345678901234567890123456789012345678E-1000036", true, false},
  };
  for (const Case& c : cases) {
    const Decimal d = dec(c.text);
    EXPECT_EQ(d.isFinite(), c.finite) << c.text;
    EXPECT_EQ(d.isZero(), c.zero) << c.text;
  }
  // The same edges reached by arithmetic rather than by parsing.
  const Decimal top = dec("9.9999999999999999999999999999999999999E+999998");
  EXPECT_TRUE((top * Decimal(10)).isFinite());
  EXPECT_TRUE((top * Decimal(100)).isNaN());
  const Decimal bottom = dec("1.2345678901234567890123456789012345678E-999998");
  EXPECT_FALSE((bottom / Decimal(10)).isZero());
  EXPECT_TRUE((bottom / Decimal(100)).isZero());
}

// A one-word factor times a 38-digit one: the product's extra digits are cut
// at once, ties go to the even neighbour, and a carry out of 38 nines moves
// the exponent.
TEST(DecimalArithmetic, ShortTimesLongRoundsTheCutDigitsOnce) {
  struct Case {
    const char* shortFactor;
    const char* longFactor;
    const char* product;
  };
  const Case cases[] = {
      {"17", "58823529411764705882352941176470588235", "1E+39"},  // 17·b = 10^39 − 5
      {"5", "20000000000000000000000000000000000001", "1E+38"},   // tie, even stays
      {"5", "20000000000000000000000000000000000003", "1.0000000000000000000000000000000000002E+38"},
      {"-3", "3.3333333333333333333333333333333333333", "-9.9999999999999999999999999999999999999"},
      {"180", "3.1415926535897932384626433832795028842", "565.48667764616278292327580899031051916"},
      {"12345678901234567890", "0.12345678901234567890123456789012345678",
       "1524157875323883675.0342935775034293576"},
      // 20 digits by 38: 20 digits too many, more than one cut handles.
      {"18446744073709551615", "99999999999999999999999999999999999999", "1.8446744073709551615E+57"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ((dec(c.shortFactor) * dec(c.longFactor)).toScientificString(), dec(c.product).toScientificString())
        << c.shortFactor << " × " << c.longFactor;
    EXPECT_EQ((dec(c.longFactor) * dec(c.shortFactor)).toScientificString(), dec(c.product).toScientificString())
        << c.longFactor << " × " << c.shortFactor;
  }
}

// Short factors of 1 to 20 digits, so every cut from none to 20 digits is
// taken; products from Python's decimal at 38 digits, half to even.
TEST(DecimalArithmetic, ShortTimesLongCutsEveryWidth) {
  const std::array<std::array<const char*, 3>, 20> cases = {{
      {"1", "1594330672271.2458439216947605589592967", "1594330672271.2458439216947605589592967"},
      {"11", "569312384431071457188529018.47943362844", "6262436228741786029073819203.2737699128"},
      {"827", "9479629885845.5703565931191563153636995", "7839653915594286.6849025095422728057795"},
      {"9724", "0.011273044155060246661696238135612595798", "109.61908136380583853833421963069688154"},
      {"14603", "8155325.8030612466969447800667362035814", "119092222702.10338551548462331454878090"},
      {"949519", "14663007283001089392947253999950.494696", "13922804012347911399301883670778993773"},
      {"3178640", "0.80513931177533776755963219925703590546", "2559248.0219815596414757492938463846105"},
      {"88150027", "71454445442468765981276815664466141538", "6.2987112950236486679062327952967133172E+45"},
      {"621277975", "550723299642668081.39049004645396142699", "342152256387315049203418840.31857308609"},
      {"3278477833", "46619624195405055279603354804286573.559", "1.5284140450742593419031921575828758479E+44"},
      {"91492393514", "6627904523172176344626214515353403222.5", "6.0640284880728928969834369767889236241E+47"},
      {"412024501214", "349691707.09310743132352264445868286122", "144081551193709775248.39117744852306693"},
      {"7511783969890", "6969.0176353654109094774261292058905227", "52349754959218606.822385455474185440384"},
      {"73738426249259", "21005.177788036622812595069219628324535", "1548888753175711806.8246739452610753148"},
      {"489311919964804", "832241740952932334325884411061141.58351", "4.0722580414053036982450100043546259789E+47"},
      {"4241026259900695", "3518489805.5227559677944212019896777973", "14922007660414897456850417.317757162790"},
      {"78196049466843641", "0.56761439389858461521631819273976225496", "44385203223386193.933724789513239881250"},
      {"508862409235801987", "760943674129757029144868424000950.33815", "3.8721563131041117079021815952473389259E+50"},
      {"3256785506049135704", "5552784541459.3709686317076091957007844", "18084228212838575436121849373599.351502"},
      {"11461471505599076233", "71100.399473647276784170559889750645445", "814915202603919820764086.70058284221737"},
  }};
  for (const auto& [shortFactor, longFactor, product] : cases)
    EXPECT_EQ((dec(shortFactor) * dec(longFactor)).toScientificString(), dec(product).toScientificString())
        << shortFactor << " × " << longFactor;
}

// Long coefficients whose products fall at the edges of the cut: ties both
// ways, a rounding that carries into a 39th digit, exactly 2^128, the
// largest products, and products whose first estimate of the kept digits
// falls two short. Expected values from Python's decimal at 38 digits.
TEST(DecimalArithmetic, LongTimesLongRoundsAtTheEdges) {
  const std::array<std::array<const char*, 3>, 13> cases = {{
      {"233033086685631569396573698413961828", "382335870011296866211737128294", "8.9096907939368906187900100539364904441E+64"},
      {"4395701324948636274220245003832805", "22058098606419958748369711565778", "9.6960813270087880048611132129590968888E+64"},
      {"50648677424809742395176", "190176941991953414075", "9.6322105885872028056359879128321010105E+42"},
      {"96414559848820972431", "96098539071625548484", "9.2652983467055020541936245800926178446E+39"},
      {"99999999999999999999999999999999999999", "99999999999999999999", "9.9999999999999999998999999999999999999E+57"},
      {"99999999999999999999999999999999999999", "99999999999999999999999999999999999999", "9.9999999999999999999999999999999999998E+75"},
      {"31622776601683793319988935444327185337", "31622776601683793319988935444327185337", "9.9999999999999999999999999999999999999E+74"},
      {"20000000000000000000000000000000000001", "50000000000000000000", "1.0000000000000000000000000000000000000E+57"},
      {"20000000000000000000000000000000000003", "50000000000000000000", "1.0000000000000000000000000000000000002E+57"},
      {"10000000000000000000000000000000000001", "99999999999999999999999999999999999990", "1.0000000000000000000000000000000000000E+75"},
      {"18446744073709551616", "18446744073709551616", "3.4028236692093846346337460743176821146E+38"},
      {"18446744073709551617", "18446744073709551615", "3.4028236692093846346337460743176821146E+38"},
      {"10000000000000000000000000000000000000", "10000000000000000000000000000000000000", "1.0000000000000000000000000000000000000E+74"},
  }};
  expectProducts(cases);
  // Products just below and at every even power of ten from 10^40 to 10^74:
  // (10^k − 1)(10^k + 1) = 10^2k − 1 rounds up to 10^2k.
  for (int k = 20; k <= 37; ++k) {
    const std::string zeros(static_cast<std::size_t>(k - 1), '0');
    const Decimal below = dec(std::string(static_cast<std::size_t>(k), '9'));
    const Decimal above = dec("1" + zeros + "1");
    const Decimal power = dec("1E" + std::to_string(2 * k));
    EXPECT_EQ(below * above, power) << k;
    EXPECT_EQ(dec("1" + zeros + "0") * dec("1" + zeros + "0"), power) << k;
  }
  // The exponent range still holds for a product that is cut.
  const Decimal justBelowHalf = dec("1.0000000000000000000000000000000000001E+499999");
  const Decimal half = dec("1.0000000000000000000000000000000000001E+500000");
  EXPECT_EQ(half * justBelowHalf, dec("1.0000000000000000000000000000000000002E+999999"));
  EXPECT_TRUE((half * half).isNaN());
  const Decimal small = dec("1.0000000000000000000000000000000000001E-500000");
  EXPECT_EQ(small * dec("1.0000000000000000000000000000000000001E-499999"),
            dec("1.0000000000000000000000000000000000002E-999999"));
  EXPECT_TRUE((small * small).isZero());
}

// Products of two long coefficients at the edges of the 75- and 76-digit
// roads: around 10^74 and 10^75, where the high half of the product alone
// cannot tell the digit count, and with the cut digits at 0, 1, just below,
// at and just above the half, and all nines, each with an even and an odd
// kept part. Rounded by Python's decimal module at 38 digits, half to even.
TEST(DecimalArithmetic, LongTimesLongRoundsAtEveryCutEdge) {
  const std::array<std::array<const char*, 3>, 34> cases = {{
      {"87304825617772811161730766596341405221", "11454120581811551982251133969614858359", "9.9999999999999999999999999999999999985E+74"},  // high half of 10^75, below it
      {"97461975826583235938875390211467546126", "10260411729999475899722313197217869122", "1.0000000000000000000000000000000000001E+75"},  // high half of 10^75, at or above it
      {"79537530512283852864365073183580805132", "12572681016863592920806760188731851659", "1.0000000000000000000000000000000000002E+75"},  // one above 10^75's high half
      {"43433130554036946162138140935284144968", "23023898743744912035335242786121881565", "9.9999999999999999999999999999999999949E+74"},  // one below 10^75's high half
      {"93833315488431556504658732928568849118", "1065719563243278092941942742618799839", "9.9999999999999999999999999999999999886E+73"},  // high half of 10^74, below it
      {"21942837851919428918573411590647384648", "4557295673187166850180003884969729660", "1.0000000000000000000000000000000000002E+74"},  // high half of 10^74, at or above it
      {"43118912469015358412502130282485962083", "2319167953780341464527768540054988877", "1.0000000000000000000000000000000000020E+74"},  // one above 10^74's high half
      {"80303431658600379898162235431275748458", "1245276794958614280900286257925089054", "9.9999999999999999999999999999999999514E+73"},  // one below 10^74's high half
      {"52304332683598408578795965076983513088", "52129141580371651798486709594726562500", "2.7265799637301617839772479836519347768E+75"},  // cut 38: exact
      {"49666542739448190902135138440188002304", "56705693244657595641911029815673828125", "2.8163757371058250331814758153824292169E+75"},  // cut 38: exact
      {"95626720934427090206374619415428867631", "55614054220728534653622433584596312271", "5.3181896429977046393871610324132332506E+75"},  // cut 38: one above exact
      {"70351523645812930493672641228681183679", "51965160917726729592994127569149881919", "3.6558282470619259805286734244428198297E+75"},  // cut 38: one above exact
      {"42117867689912436207066172501947906123", "93383197354336087787661482020654214813", "3.9331011506309084062763172812205909554E+75"},  // cut 38: just below half
      {"57741296698273715486720527444543529471", "22817433421103236042776332748054061569", "1.3175081930610286117284461507613341297E+75"},  // cut 38: just below half
      {"62136587540133230689624172482744494149", "50000000000000000000000000000000000000", "3.1068293770066615344812086241372247074E+75"},  // cut 38: half
      {"75287468425914030263764623574482818899", "50000000000000000000000000000000000000", "3.7643734212957015131882311787241409450E+75"},  // cut 38: half
      {"44825748886156772537731796314374035639", "66641447684357639860070715688675050759", "2.9872527993089693034547515678790070233E+75"},  // cut 38: just above half
      {"31150582231047870029745003869504639697", "65472407831685814804279581288747370033", "2.0395036240256315475273280919033352070E+75"},  // cut 38: just above half
      {"46645312427287573273085836713233105881", "30098189080919099340932118694677443479", "1.4039394331750468078171847627829354167E+75"},  // cut 38: just below the next
      {"27951958366622586287482555440200540939", "36328383583952719434907956886586568541", "1.0154494654653418328228015934446512404E+75"},  // cut 38: just below the next
      {"49175252756182662971821460924605136896", "6440587285105721093714237213134765625", "3.1671750764333012577881130364194138878E+74"},  // cut 37: exact
      {"29705216853856549195324016377355829248", "15429653212413541041314601898193359375", "4.5834119465454856518908712450497962205E+74"},  // cut 37: exact
      {"14467032717939941332004873467628936611", "9943569531397502539218337937948884491", "1.4385394574383839995718711457708244072E+74"},  // cut 37: one above exact
      {"36766690462288726983283102950954919049", "7246096775062028634791926074005803449", "2.6641499718849419132761627028526634403E+74"},  // cut 37: one above exact
      {"90109697672938729380662392794709903389", "4099432504119350364538228923354924491", "3.6939862357681281368924203793667228548E+74"},  // cut 37: just below half
      {"95551865742507252765488843755799106659", "5771241249216208302823576044628718261", "5.5145286901272697656567222872100348315E+74"},  // cut 37: just below half
      {"35006480959449980411752914752778432217", "5000000000000000000000000000000000000", "1.7503240479724990205876457376389216108E+74"},  // cut 37: half
      {"58410003115208520459394500320336476319", "5000000000000000000000000000000000000", "2.9205001557604260229697250160168238160E+74"},  // cut 37: half
      {"86502622947345856873396369118664734081", "4888262303410453467594915668735560321", "4.2284751089963880760225054591971375945E+74"},  // cut 37: just above half
      {"10814755088991140056326886927625928013", "10113914060058977269055819814245811077", "1.0937950355064186735176992067924616720E+74"},  // cut 37: just above half
      // Exact products that a quotient from the reciprocal misses by one.
      {"25665660013648449355948932432746512384", "64679411711040302179753780364990234375", "1.6600397908583523171535232607303515735E+75"},
      {"73173245329430250236606628991042846720", "4167245645730872638523578643798828125", "3.0493088798306512351301300882042488285E+74"},
      {"89173944425592042523919392405293920619", "8098072083791302060113960432287993021", "7.2213702995444391624235929260398386913E+74"},  // cut 37: just below the next
      {"62142188795153470580874717037971392659", "4463244070046313695268810118055324261", "2.7735575563966720670520414065356934052E+74"},  // cut 37: just below the next
  }};
  expectProducts(cases);
}

// Products of random coefficients of 19 to 38 digits, signs and exponents
// against a schoolbook product of their digit strings, rounded half to even
// on the text.
TEST(DecimalArithmetic, LongTimesLongMatchesSchoolbookProducts) {
  const auto schoolbook = [](const std::string& a, const std::string& b) {
    std::vector<int> sum(a.size() + b.size(), 0);
    for (std::size_t i = a.size(); i-- > 0;)
      for (std::size_t j = b.size(); j-- > 0;) sum[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = sum.size(); k-- > 1;) {
      sum[k - 1] += sum[k] / 10;
      sum[k] %= 10;
    }
    std::string digits;
    for (const int d : sum) digits += static_cast<char>('0' + d);
    return digits.substr(digits.find_first_not_of('0'));
  };
  // The digits rounded to 38, half to even, as text with an exponent.
  const auto rounded = [](std::string digits, int exponent) {
    if (digits.size() <= 38) return digits + "E" + std::to_string(exponent);
    const std::string cut = digits.substr(38);
    digits.resize(38);
    exponent += static_cast<int>(cut.size());
    const bool above = cut[0] > '5' || (cut[0] == '5' && cut.find_first_not_of('0', 1) != std::string::npos);
    const bool tie = cut[0] == '5' && !above;
    if (above || (tie && (digits.back() - '0') % 2 == 1)) {
      std::size_t i = digits.size();
      while (i-- > 0 && digits[i] == '9') digits[i] = '0';
      if (i == std::string::npos) {
        digits = "1" + digits.substr(0, 37);
        ++exponent;
      } else {
        ++digits[i];
      }
    }
    return digits + "E" + std::to_string(exponent);
  };
  std::mt19937_64 random(38);
  const auto coefficient = [&random] {
    const int length = 19 + static_cast<int>(random() % 20);
    std::string digits(1, static_cast<char>('1' + random() % 9));
    // Runs of nines and zeros make carries and near-ties likely.
    const int style = static_cast<int>(random() % 4);
    for (int i = 1; i < length; ++i)
      digits += style == 0 ? '9' : style == 1 && i < length - 2 ? '0' : static_cast<char>('0' + random() % 10);
    return digits;
  };
  for (int i = 0; i < 5000; ++i) {
    const std::string a = coefficient();
    const std::string b = coefficient();
    const int ea = static_cast<int>(random() % 41) - 20;
    const int eb = static_cast<int>(random() % 41) - 20;
    const bool negative = random() % 2 == 0;
    const Decimal product = dec((negative ? "-" : "") + a + "E" + std::to_string(ea)) * dec(b + "E" + std::to_string(eb));
    const Decimal expected = dec((negative ? "-" : "") + rounded(schoolbook(a, b), ea + eb));
    EXPECT_EQ(product, expected) << a << "E" << ea << " × " << b << "E" << eb;
  }
}

// The division-free n / 10 against the general division, at the word
// boundaries, at every last digit and across the whole range.
TEST(DecimalArithmetic, DivideByTenMatchesTheDivision) {
  using detail::Uint128;
  std::vector<Uint128> values = {0u, 1u, 9u, 10u, 19u, ~std::uint64_t{0}, Uint128::fromWords(1, 0),
                                 Uint128::fromWords(1, 9), detail::kPow10[38], detail::kPow10[38] * 2 - 1u,
                                 ~Uint128(0u)};
  Uint128 step = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 2000; ++i) values.push_back(step += Uint128::fromWords(0x6A09E667F3BCC908u, 0xBB67AE8584CAA73Bu));
  for (const Uint128& n : values) {
    std::uint64_t digit = 99;
    const Uint128 q = detail::divideByTen(n, digit);
    const Uint128::Division expected = Uint128::divide(n, 10u);
    EXPECT_EQ(q, expected.quotient) << n.high() << ":" << n.low();
    EXPECT_EQ(digit, expected.remainder.low()) << n.high() << ":" << n.low();
  }
}

TEST(DecimalArithmetic, LeadingExponentIsThePowerOfTheFirstDigit) {
  const std::pair<const char*, std::int64_t> cases[] = {
      {"1500", 3}, {"1.5", 0}, {"0.05", -2}, {"-0.05", -2}, {"9.99", 0}, {"10", 1},
      {"12345678901234567890123456789012345678", 37}, {"1E+999999", 999999}, {"1E-999999", -999999},
      {"0", 0},
  };
  for (const auto& [text, lead] : cases) EXPECT_EQ(dec(text).leadingExponent(), lead) << text;
  EXPECT_EQ(Decimal::nan().leadingExponent(), 0);
}

TEST(DecimalArithmetic, ZeroHasNoSign) {
  const Decimal z = dec("-0.000");
  EXPECT_TRUE(z.isZero());
  EXPECT_FALSE(z.isNegative());
  EXPECT_EQ(z.description(), "0");
  EXPECT_EQ((Decimal(3) - Decimal(3)).description(), "0");
  EXPECT_EQ((-Decimal(0)).description(), "0");
}

TEST(DecimalArithmetic, PowerOfZeroIsOneAndSmallPowersAreExact) {
  EXPECT_EQ(pow(0.3048_dec, 0), Decimal(1));
  EXPECT_EQ(pow(Decimal(0), 0), Decimal(1));
  EXPECT_EQ(pow(0.3048_dec, 3).description(), "0.028316846592");
  EXPECT_EQ(pow(Decimal(10), 30).description(), "1000000000000000000000000000000");
  EXPECT_EQ(pow(Decimal(-2), 3), Decimal(-8));
  EXPECT_EQ(pow(dec("1e-5"), 3).toScientificString(), "1E-15");
}

TEST(DecimalCompare, ComparesByValue) {
  EXPECT_EQ(dec("1.5"), dec("1.50"));
  EXPECT_EQ(std::hash<Decimal>{}(dec("1.5")), std::hash<Decimal>{}(dec("1.500")));
  EXPECT_LT(dec("-2"), dec("-1.9"));
  EXPECT_LT(dec("0.99999999999999999999999999999999999999"), Decimal(1));
  EXPECT_GT(dec("1e-999999"), Decimal(0));
  const std::unordered_set<Decimal> set{dec("100"), dec("1E+2"), dec("100.000")};
  EXPECT_EQ(set.size(), 1u);
}

TEST(DecimalCompare, NaNIsUnorderedAndUnequalToItself) {
  const Decimal nan = Decimal::nan();
  EXPECT_FALSE(nan == nan);
  EXPECT_TRUE(nan != nan);
  EXPECT_FALSE(nan < Decimal(0));
  EXPECT_FALSE(nan > Decimal(0));
  EXPECT_EQ(nan <=> nan, std::partial_ordering::unordered);
  EXPECT_FALSE(nan.isFinite());
  EXPECT_FALSE(nan.isZero());
}

struct ParseCase {
  const char* text;
  const char* expected;  // description, or nullptr for absent
  std::size_t consumed;  // characters read, white space included
  friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class DecimalParse : public testing::TestWithParam<ParseCase> {};

TEST_P(DecimalParse, ReadsTheNumberAtTheStart) {
  std::size_t consumed = 99;
  const auto value = Decimal::fromString(GetParam().text, consumed);
  EXPECT_EQ(consumed, GetParam().consumed);
  if (GetParam().expected == nullptr) {
    EXPECT_FALSE(value.has_value()) << value->description();
  } else {
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->description(), GetParam().expected);
    EXPECT_EQ(value->isNegative(), GetParam().expected[0] == '-');
  }
}

INSTANTIATE_TEST_SUITE_P(
    OddTexts, DecimalParse,
    testing::Values(ParseCase{"0.55555555555556", "0.55555555555556", 16}, ParseCase{" 12abc", "12", 3},
                    ParseCase{"abc", nullptr, 0}, ParseCase{"", nullptr, 0}, ParseCase{"-", nullptr, 0},
                    ParseCase{".", nullptr, 0}, ParseCase{"e5", nullptr, 0}, ParseCase{"+.e1", nullptr, 0},
                    ParseCase{"NaN", nullptr, 0}, ParseCase{".5", "0.5", 2}, ParseCase{"5.", "5", 2},
                    ParseCase{"1e", "1", 1}, ParseCase{"1e+", "1", 1}, ParseCase{"2E5x", "200000", 3},
                    ParseCase{"-1.25e-3", "-0.00125", 8}, ParseCase{"1e3", "1000", 3}, ParseCase{"1.2.3", "1.2", 3},
                    ParseCase{"\t\n 7", "7", 4}, ParseCase{"--1", nullptr, 0}, ParseCase{"12.5abc", "12.5", 4},
                    // Zero carries no sign and no exponent, however written.
                    ParseCase{"-0.00", "0", 5}, ParseCase{"-0e7", "0", 4},
                    // 19 digits fit a word; 20 do not.
                    ParseCase{"-9999999999.999999999", "-9999999999.999999999", 21},
                    ParseCase{"18446744073709551617", "18446744073709551617", 20},
                    // 39 digits ending in 5 on an even 38th digit: ties to even, once.
                    ParseCase{"1.00000000000000000000000000000000000025", "1.0000000000000000000000000000000000002", 40},
                    ParseCase{"0e99999999999999999999", "0", 22}));

TEST(DecimalText, DescriptionIsPlainNotation) {
  EXPECT_EQ(dec("1e3").description(), "1000");
  EXPECT_EQ(dec("1.50").description(), "1.5");
  EXPECT_EQ(dec("1e-5").description(), "0.00001");
  EXPECT_EQ(dec("-123.456").description(), "-123.456");
  EXPECT_EQ(dec("-1e-5").description(), "-0.00001");
  EXPECT_EQ(dec("-12e60").description(), "-12" + std::string(60, '0'));
  EXPECT_EQ(dec("-2.5e-52").description(), "-0." + std::string(51, '0') + "25");
  EXPECT_EQ(Decimal::nan().description(), "NaN");
  EXPECT_EQ(Decimal::pi().description(), "3.1415926535897932384626433832795028842");
  EXPECT_EQ(Decimal(std::numeric_limits<std::int64_t>::min()).description(), "-9223372036854775808");
}

// Digits are written in blocks; every count puts the leading digit, and the
// zeros behind it, in another place of a block.
TEST(DecimalText, DescriptionWritesEveryDigitCount) {
  for (std::size_t k = 1; k <= 38; ++k) {
    SCOPED_TRACE(k);
    const std::string nines(k, '9');
    const std::string power = "1" + std::string(k - 1, '0');
    const std::string ends = k == 1 ? "1" : "1" + std::string(k - 2, '0') + "1";
    for (const std::string& text : {nines, power, ends, "-" + ends}) EXPECT_EQ(dec(text).description(), text);
    EXPECT_EQ(dec("0." + nines).description(), "0." + nines);
  }
}

TEST(DecimalText, ScientificFormReadsBack) {
  for (const char* text : {"1.5E+3", "-1E-5", "9.9999999999999999999999999999999999999E+999999", "1E-999999"}) {
    EXPECT_EQ(dec(text).toScientificString(), text);
  }
}

TEST(DecimalHash, EqualValuesHashAlikeWhateverTheirTrailingZeros) {
  const std::hash<Decimal> hash;
  EXPECT_EQ(hash(dec("1.5")), hash(dec("1.500")));
  EXPECT_EQ(hash(dec("1E+37")), hash(dec("10000000000000000000000000000000000000")));
  EXPECT_EQ(hash(dec("12345678901234567890123456789012345678E+5")),
            hash(dec("1234567890123456789012345678901234567800000E0")));
  EXPECT_EQ(hash(dec("-0.000")), hash(Decimal(0)));
  EXPECT_EQ(hash(Decimal::nan()), hash(Decimal::nan()));
}

// Values that differ only in the high word of the coefficient, the
// exponent or the sign must not collide as a rule: a hash that dropped any
// of them would put all of a row into a few buckets.
TEST(DecimalHash, EveryPartOfTheValueReachesTheHash) {
  const std::hash<Decimal> hash;
  std::unordered_set<std::size_t> seen;
  int values = 0;
  for (int i = 1; i <= 200; ++i) {
    const std::string high = std::to_string(i) + "00000000000000000000000000000001";  // above 2^64
    for (const std::string& text : {high, high + "E-7", "-" + high, std::to_string(i) + "E+" + std::to_string(i),
                                    std::to_string(i) + "E-" + std::to_string(i)}) {
      seen.insert(hash(dec(text)));
      ++values;
    }
  }
  EXPECT_GE(seen.size(), static_cast<std::size_t>(values) - 2);
}

// Coefficients k·2^64 + 1 differ only in their high 64 bits.
TEST(DecimalHash, TheHighWordOfTheCoefficientCounts) {
  const std::hash<Decimal> hash;
  const Decimal twoTo64 = dec("18446744073709551616");
  std::unordered_set<std::size_t> seen;
  for (int k = 1; k <= 100; ++k) seen.insert(hash(Decimal(k) * twoTo64 + Decimal(1)));
  EXPECT_GE(seen.size(), 99u);
}

TEST(DecimalDouble, ConvertsThroughShortestDigits) {
  EXPECT_EQ(Decimal::fromDouble(0.1), 0.1_dec);
  EXPECT_EQ(Decimal::fromDouble(1.5e-7), dec("1.5e-7"));
  EXPECT_TRUE(Decimal::fromDouble(std::numeric_limits<double>::infinity()).isNaN());
  EXPECT_TRUE(Decimal::fromDouble(std::nan("")).isNaN());
  EXPECT_EQ((0.1_dec).toDouble(), 0.1);
  EXPECT_EQ(dec("123456789012345678901234567890").toDouble(), 123456789012345678901234567890.0);
  EXPECT_EQ(dec("-1e400").toDouble(), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(dec("1e-400").toDouble(), 0.0);
  EXPECT_TRUE(std::isnan(Decimal::nan().toDouble()));
}

}  // namespace
}  // namespace tal::platform
