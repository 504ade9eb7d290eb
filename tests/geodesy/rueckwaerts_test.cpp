// Worked values and border cases of the inverse routines: UTM, Gauss-Krueger
// and the decoding of the 100 km square notations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

// The hemisphere comes from the third character of the zone, in either case.
TEST(UTMziv_G, WorkedValuesAndHemisphere) {
    pruefe("UTMziv_G", {
                           {"0500000|5316300|32T|WGS", "9|47.999998|9|~47.9999979808"},
                           {"0723776|5320656|31T|WGS", "6.000001|48.000002|*|*"},
                           {"0332705|6655205|32V|WGS", "5.999997|59.999996|*|*"},
                           {"0372525|8664359|33X|WGS", "9.499996|77.999998|*|*"},
                           {"0259583|6245888|34H|WGS", "18.399998|-33.9|*|*"},
                           {"0611281|0000000|32N|WGS", "10.000003|0|*|*"},
                           {"0611281|9999999|32M|WGS", "10.000003|-9E-06|*|*"},
                           {"0500000|5316300|32u|WGS|S", "9|47.999998|*|*|N"},
                       });
    pruefe("UTMziv_G", {{"0|0|32X|WGS|S", "*|*|*|*|N"},
                        {"0|0|32UX|WGS|S", "*|*|*|*|N"},
                        {"0|0|32M|WGS|N", "*|*|*|*|S"},
                        {"0|0|32|WGS|N", "*|*|*|*|S"},
                        {"0|0|3U|WGS|N", "*|*|*|*|S"},
                        {"0|0|32 U|WGS|N", "*|*|*|*|S"},
                        {"0|0|32A|WGS|N", "*|*|*|*|S"}});
}

TEST(GK_G, WorkedValues) {
    pruefe("GK_G", {
                       {"5317885|3500000|3", "~ 47.9999979096| 9|E009°"},
                       {"5819302|4595060|3", "~ 52.5000017888|~ 13.3999962733|E012°"},
                       {"5819302|2595060|6", "~ 52.5000017888|~ 13.3999962733|E012°"},
                       {"5544594|2284956|6", "~ 49.9999994984|~ 9.0000007198|E012°"},
                       {"5541358|2607521|3", "~ 50.0000|~ 7.4999|E006°"},
                       {"5317885|6500000|3", "~ 47.9999979096| 18|E018°"},
                       {"5317885|3500000|6", "~ 47.9999979096| 18|E018°"},
                       {" 53 17885|3500 000|3", "~ 47.9999979096| 9|E009°"},
                   });
}

TEST(UTMref_UTMmil, SplitsTheDigitsIntoFiveGroups) {
    pruefe("UTMref_UTMmil", {
                                {"32U|NU|7159565251||||", "32U|NU|76|15|52|95|51"},
                                {"a|b|1234|x|x|x|x", "a|b|13|24|00|00|00"},
                                {"||123||||", "||12|23|00|00|00"},   // the middle digit serves both
                                {"||12345||||", "||14|25|00|00|00"}, // 2.5 rounds to 2
                                {"||123456789012||||", "||17|28|39|40|51"},
                                {"||||||", "||00|00|00|00|00"},
                                {"||ÖÜÖÜÖÜ||||", "||ÖÜ|ÜÖ|ÖÜ|00|00"}, // characters, not bytes
                            });
}

TEST(UTMmil_UTMziv, WorkedValues) {
    pruefe("UTMmil_UTMziv",
           {
               {"32T|NU|01|06|03|00|00|S", "0500000|5316300|32T|06|03|00|00|N"},
               {"33X|UG|76|24|53|25|59|S", "0372525|8664359|33X|24|53|25|59|N"},
               {"32V|LM|35|25|72|00|55|S", "0332705|6655205|32V|25|72|00|55|N"},
               {"34H|BH|54|95|58|88|38|N", "0259583|6245888|34H|95|58|88|38|S"},
               {"32N|PF|10|10|20|80|10|S", "0611281|0000000|32N|10|20|80|10|N"},
               {"32M|PE|19|19|29|89|19|N", "0611281|9999999|32M|19|29|89|19|S"},
               {"32M|MS|82|86|97|75|76|N", "0488977|9126756|32M|86|97|75|76|S"},
               // Below the threshold of band P the result falls back to N.
               {"32P|NP|08|04|08|05|01|S", "0500000|0884851|32N|04|08|05|01|N"},
               {"32P|NP|08|05|05|01|04|S", "0500000|0885514|32P|05|05|01|04|N"},
               {"32U|NT|01|06|03|00|00|S", "0500000|5216300|32T|06|03|00|00|N"},
               // Band X, second half: digit 9 is the southern edge, 0 to 3 north of 81.
               {"33X|XV|59|55|09|00|00|S", "0655000|7995900|33X|55|09|00|00|N"},
               {"34X|DU|52|13|30|44|00|S", "0451340|9323040|34X|13|30|44|00|N"},
               // Combinations no point of the band produces: no millions digit.
               {"32D|NR|00|00|00|00|00|N", "0500000|000000|32C|00|00|00|00|S"},
               {"32T|AU|01|06|03|00|00|S", "0100000|5316300|32T|06|03|00|00|N"}, // any set
               {"32t|NU|01|06|03|00|00|N", "0500000|316300|32C|06|03|00|00|S"},
               {"32T|NU|1||a b|00|00|S", "051a00|531b00|32N||a b|00|00|N"}, // copied as they stand
               // The thresholds are the largest northings of each border latitude in
               // a 6 degree zone: just poleward of a border near the meridian the
               // band falls back one, just below 64 degrees far west in 32V it
               // moves up into W.
               {"31X|EV|08|09|03|07|09|S", "0500000|7989379|31W|09|03|07|09|N"},
               {"32V|KS|10|68|58|01|71|S", "0216507|7108811|32W|68|58|01|71|N"},
               {"18C|WF|01|00|03|09|08|N", "0500000|2010398|18D|00|03|09|08|S"},
               {"32L|NS|01|05|01|04|09|N", "0500000|9115149|32M|05|01|04|09|S"},
           });
}
