// Worked values and edge cases of the forward chain: UTM, 100 km squares,
// datum shift and Gauss-Krueger.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "geodesy/modKartovex.h"
#include "geodesy_test_hilfen.h"

using namespace modKartovex;

namespace {

struct UTMFall {
    std::string laenge, breite, zone, rechts, hoch;
};

const std::vector<UTMFall> UTMFaelle = {
    {"9", "48", "32T", "0500000", "5316300"},
    {"6", "48", "31T", "0723776", "5320656"},
    {"13.4", "52.5", "33U", "0391391", "5817855"},
    {"6", "60", "32V", "0332705", "6655205"},
    {"3", "60", "31V", "0500000", "6651411"},
    {"9.5", "78", "33X", "0372525", "8664359"},
    {"18.4", "-33.9", "34H", "0259583", "6245888"},
    {"10", "0", "32N", "0611281", "0000000"},
    {"10", "-0.0000001", "32M", "0611281", "9999999"},
    {"-73.98", "40.75", "18T", "0586108", "4511506"},
    {"9.96796724981198", "48.4363326641023", "32U", "0571595", "5365251"},
};

} // namespace

TEST(G_UTMziv, WorkedValues) {
    MeldungsRekorder rekorder;
    for (char trenner : {'.', ','}) {
        MitDezimaltrenner einstellung(trenner);
        for (const auto& f : UTMFaelle) {
            std::string laenge = f.laenge, breite = f.breite, ellipsoid = "WGS";
            G_UTMziv(laenge, breite, ellipsoid);
            EXPECT_EQ(ellipsoid, f.zone) << f.laenge << ' ' << f.breite;
            EXPECT_EQ(laenge, f.rechts) << f.laenge << ' ' << f.breite;
            EXPECT_EQ(breite, f.hoch) << f.laenge << ' ' << f.breite;
        }
    }
    EXPECT_TRUE(rekorder.meldungen.empty());
}

TEST(G_UTMziv, ZoneDecisions) {
    struct Fall {
        std::string laenge, breite, zone;
    };
    const std::vector<Fall> faelle = {
        {"3", "60", "31V"},         {"3.0001", "60", "32V"},     {"11.99", "60", "32V"},
        {"-1", "60", "30V"},        {"12", "60", "32V"},         {"6.0000001", "50", "31U"},
        {"9", "78", "31X"},         {"9.5", "78", "33X"},        {"21", "78", "33X"},
        {"33", "78", "35X"},        {"42", "78", "37X"},         {"42.5", "78", "38X"},
        {"-0.5", "78", "30X"},      {"10", "72", "32W"},         {"10", "72.5", "33X"},
        {"10", "84", "33X"},        {"10", "84.0001", "032"},    {"10", "-80", "32C"},
        {"10", "-80.0001", "032"},  {"180", "10", "60P"},        {"-180", "10", "01P"},
        {"0", "10", "31P"},         {"-0.0000001", "10", "30P"}, {"-6", "-8", "30M"},
        {"6", "-8.0000001", "31M"}, {"190", "10", "00P"},
    };
    for (const auto& f : faelle) {
        std::string laenge = f.laenge, breite = f.breite, ellipsoid = "WGS";
        G_UTMziv(laenge, breite, ellipsoid);
        EXPECT_EQ(ellipsoid, f.zone) << f.laenge << ' ' << f.breite;
    }
}

TEST(G_UTMziv, NorthingClampedBeforeRounding) {
    // 9999999.6 must not round up to 10000000.
    for (const char* breite : {"-0.0000001", "-0.000000001"}) {
        std::string l = "9", b = breite, e = "WGS";
        G_UTMziv(l, b, e);
        EXPECT_EQ(b, "9999999");
    }
}

TEST(BandAndZone, SinglePrecisionDecisions) {
    struct Fall {
        std::string text, band, zone;
    };
    const std::vector<Fall> faelle = {
        {"0", "N", "31"},         {"8", "N", "32"},         {"8.0000001", "N", "32"},
        {"8.000001", "P", "32"},  {"-8", "M", "29"},        {"-8.0000001", "M", "29"},
        {"84", "X", "44"},        {"84.000001", "X", "44"}, {"84.00001", "", "45"},
        {"-80", "C", "17"},       {"", "N", "31"},          {"abc", "N", "31"},
        {"180.000001", "", "60"}, {"180.0001", "", ""},     {"-180", "", "01"},
        {"-174", "", "02"},       {"-173.9", "", "02"},     {"-174.0001", "", "01"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Breitenband(f.text), f.band) << f.text;
        EXPECT_EQ(Zonennummer(f.text), f.zone) << f.text;
    }
}

TEST(G_UTMziv, FaultsKeepTheInputTexts) {
    MeldungsRekorder rekorder;
    struct Fall {
        std::string laenge, breite, zoneDanach;
    };
    // A huge latitude fails when it is read, a huge longitude in the
    // projection, after the zone designation has been written.
    const std::vector<Fall> faelle = {
        {"9", "1E400", "WGS"},
        {"1E300", "48", "00T"},
        {"-1E400", "48", "WGS"},
    };
    for (const auto& f : faelle) {
        std::string laenge = f.laenge, breite = f.breite, ellipsoid = "WGS";
        G_UTMziv(laenge, breite, ellipsoid);
        EXPECT_EQ(laenge, f.laenge);
        EXPECT_EQ(breite, f.breite);
        EXPECT_EQ(ellipsoid, f.zoneDanach) << f.laenge;
    }
    std::string laenge = "9", breite = "48", ellipsoid = "XYZ";
    G_UTMziv(laenge, breite, ellipsoid);
    EXPECT_EQ(laenge + breite + ellipsoid, "948XYZ");
    EXPECT_EQ(rekorder.meldungen, std::vector<std::string>(4, FehlerMeldung));
}

TEST(G_UTMziv, PoleGivesNumbersNotAFault) {
    MeldungsRekorder rekorder;
    std::string laenge = "9", breite = "90", ellipsoid = "WGS";
    G_UTMziv(laenge, breite, ellipsoid);
    EXPECT_TRUE(rekorder.meldungen.empty());
    EXPECT_EQ(ellipsoid, "032");
    EXPECT_EQ(laenge, "0500000");
    EXPECT_EQ(breite.size(), 7u);
    EXPECT_EQ(breite.find_first_not_of("0123456789"), std::string::npos);
}

TEST(Quadrate, MilitaryAndUTMREF) {
    struct Fall {
        std::string zone, rechts, hoch, militaer, utmref;
    };
    const std::vector<Fall> faelle = {
        {"32T", "0500000", "5316300", "32T  NU  01.06.03.00.00", "32T  NU  0000016300"},
        {"33U", "0391391", "5817855", "33U  UU  91.17.38.95.15", "33U  UU  9139117855"},
        {"32V", "0332705", "6655205", "32V  LM  35.25.72.00.55", "32V  LM  3270555205"},
        {"34H", "0259583", "6245888", "34H  BH  54.95.58.88.38", "34H  BH  5958345888"},
        {"32N", "0611281", "0000000", "32N  PF  10.10.20.80.10", "32N  PF  1128100000"},
        {"32M", "0611281", "9999999", "32M  PE  19.19.29.89.19", "32M  PE  1128199999"},
        {"18T", "0586108", "4511506", "18T  WL  81.61.15.00.86", "18T  WL  8610811506"},
        {"31T", "0723776", "5320656", "31T  GP  22.30.76.75.66", "31T  GP  2377620656"},
        // A 100 km digit of 9 selects no column letter.
        {"32T", "0900000", "5316300", "32T  U  01.06.03.00.00", "32T  U  016300....."},
    };
    MeldungsRekorder rekorder;
    for (const auto& f : faelle) {
        std::string zone = f.zone, rechts = f.rechts, hoch = f.hoch;
        UTMziv_UTMmil(zone, rechts, hoch);
        EXPECT_EQ(zone, f.militaer);
        EXPECT_EQ(rechts, f.rechts);
        EXPECT_EQ(hoch, f.hoch);
        UTMmil_UTMref(zone);
        EXPECT_EQ(zone, f.utmref);
    }
    EXPECT_TRUE(rekorder.meldungen.empty());
}

TEST(Quadrate, LengthChecksAndTheUnletteredColumn) {
    MeldungsRekorder rekorder;
    struct Fall {
        std::string rechts, hoch, meldung;
    };
    const std::vector<Fall> faelle = {
        {"05000000", "5316300", "Der Rechtswert muss genau 7-stellig sein!"},
        {"500000", "5316300", "Der Rechtswert muss genau 7-stellig sein!"},
        {"", "", "Der Rechtswert muss genau 7-stellig sein!"},
        {"0500000", "531630", "Der Hochwert muss genau 7-stellig sein!"},
        {"0000000", "5316300", FehlerMeldung}, // column digit 0 has no letter
    };
    for (const auto& f : faelle) {
        std::string zone = "32T", rechts = f.rechts, hoch = f.hoch;
        UTMziv_UTMmil(zone, rechts, hoch);
        EXPECT_EQ(zone, "32T");
        ASSERT_EQ(rekorder.meldungen.size(), 1u);
        EXPECT_EQ(rekorder.meldungen[0], f.meldung);
        rekorder.meldungen.clear();
    }
    // Blanks around a 7-digit value pass the length check; the positions
    // still count in the text as passed, so a leading blank shifts the
    // 100 km digit to the "0" before it, which has no letter.
    std::string zone = "32T", rechts = "0500000 ", hoch = "5316300";
    UTMziv_UTMmil(zone, rechts, hoch);
    EXPECT_EQ(zone, "32T  NU  01.06.03.00.00");
    EXPECT_TRUE(rekorder.meldungen.empty());
    zone = "32T";
    rechts = " 0500000";
    UTMziv_UTMmil(zone, rechts, hoch);
    EXPECT_EQ(zone, "32T");
    EXPECT_EQ(rekorder.meldungen, std::vector<std::string>{FehlerMeldung});
}

TEST(Quadrate, UTMREFOfShortTexts) {
    struct Fall {
        std::string militaer, utmref;
    };
    const std::vector<Fall> faelle = {
        {"32T  NU  01.06", "32T  NU  0000016000"},
        {"32T  NU  ", "32T  NU  .....00000"},
        {"", ".00.00.00..00"},
        {"32T  NÜ  01.06.03.00.00", "32T  NÜ  0000016300"},
    };
    for (const auto& f : faelle) {
        std::string text = f.militaer;
        UTMmil_UTMref(text);
        EXPECT_EQ(text, f.utmref) << f.militaer;
    }
}

TEST(DatumTrafo, WorkedValues) {
    struct Fall {
        std::string breite, laenge, richtung;
        double phi, lambda, h, toleranzHoehe;
    };
    const std::vector<Fall> faelle = {
        {"48", "9", "GB", 48.0009315815, 9.0010186947, 321.4985, 1e-4},
        {"52.5", "13.4", "GB", 52.5013697526, 13.4017738998, 336.380, 1e-3},
        {"0", "0", "GB", -0.0035540038, -0.000143723685, 452.845, 1e-3},
    };
    for (const auto& f : faelle) {
        std::string breite = f.breite, laenge = f.laenge, hoehe = "300", richtung = f.richtung;
        DatumTrafo(breite, laenge, hoehe, richtung);
        EXPECT_NEAR(Zahlwert(breite), f.phi, 1e-10) << breite;
        EXPECT_NEAR(Zahlwert(laenge), f.lambda, 1e-10) << laenge;
        EXPECT_NEAR(Zahlwert(hoehe), f.h, f.toleranzHoehe) << hoehe;
        EXPECT_EQ(richtung, f.richtung);
        EXPECT_EQ(breite[0], f.phi < 0 ? '-' : ' ');
    }
}

TEST(DatumTrafo, BackAndForthMissesByCentimetres) {
    std::string breite = "48", laenge = "9", hoehe = "300", gb = "GB", bg = "BG";
    DatumTrafo(breite, laenge, hoehe, gb);
    DatumTrafo(breite, laenge, hoehe, bg);
    EXPECT_NEAR(Zahlwert(breite) - 48, -3.3e-7, 0.2e-7);
    EXPECT_NEAR(Zahlwert(laenge), 9, 5e-7);
    EXPECT_NEAR(Zahlwert(hoehe) - 300, -0.01, 0.005);
}

TEST(DatumTrafo, EmptyDirectionAndFaults) {
    MeldungsRekorder rekorder;
    std::string breite = "48", laenge = "9", hoehe = "300", richtung;
    DatumTrafo(breite, laenge, hoehe, richtung);
    EXPECT_EQ(breite + laenge + hoehe, "489300");
    EXPECT_TRUE(rekorder.meldungen.empty());

    // The pole: a huge longitude change, but no fault.
    breite = "90";
    richtung = "GB";
    DatumTrafo(breite, laenge, hoehe, richtung);
    EXPECT_TRUE(rekorder.meldungen.empty());
    EXPECT_GT(std::abs(Zahlwert(laenge)), 1e6);

    struct Fall {
        std::string breite, laenge, hoehe;
    };
    const std::vector<Fall> faelle = {
        {"1E400", "9", "300"},
        {"48", "9", "-1E999"},
        {"48", "9", "xyz"},
    };
    for (const auto& f : faelle) {
        if (f.hoehe == "xyz") {
            // A text without a number counts as 0: no fault.
            std::string b = f.breite, l = f.laenge, h = f.hoehe, r = "BG";
            DatumTrafo(b, l, h, r);
            EXPECT_NE(b, f.breite);
            continue;
        }
        std::string b = f.breite, l = f.laenge, h = f.hoehe, r = "BG";
        DatumTrafo(b, l, h, r);
        EXPECT_EQ(b, f.breite);
        EXPECT_EQ(l, f.laenge);
        EXPECT_EQ(h, f.hoehe);
    }
    EXPECT_EQ(rekorder.meldungen, std::vector<std::string>(2, FehlerMeldung));
}

TEST(G_GK, WorkedValues) {
    struct Fall {
        std::string breite, laenge, streifen, hoch, rechts, meridian;
    };
    const std::vector<Fall> faelle = {
        {"48", "9", "3", " 5317885", " 3500000", "E009°"},
        {"48", "10", "3", " 5318369", " 3574616", "E009°"},
        {"47.5", "7.6", "3", " 5263249", " 3394533", "E009°"},
        {"50", "7.5", "3", " 5541358", " 3392472", "E009°"},
        {"50", "7.4999", "3", " 5541358", " 2607521", "E006°"},
        {"52.5", "13.4", "3", " 5819302", " 4595060", "E012°"},
        {"52.5", "13.4", "6", " 5819302", " 2595060", "E012°"},
        {"50", "9", "6", " 5544594", " 2284956", "E012°"},
        {"50", "8.99", "6", " 5544565", " 1714327", "E006°"},
        {"48", "1", "3", " 5318369", " 574616", "E000°"},
        {"48", "-3", "3", " 5317885", "-500000", "W003°"},
        {"48", "-1", "3", " 5318369", " 425384", "W000°"},
    };
    for (char trenner : {'.', ','}) {
        MitDezimaltrenner einstellung(trenner);
        for (const auto& f : faelle) {
            std::string breite = f.breite, laenge = f.laenge, streifen = f.streifen;
            G_GK(breite, laenge, streifen);
            EXPECT_EQ(breite, f.hoch) << f.breite << ' ' << f.laenge;
            EXPECT_EQ(laenge, f.rechts) << f.breite << ' ' << f.laenge;
            EXPECT_EQ(streifen, f.meridian);
        }
    }
}

TEST(G_GK, FaultAfterTheMeridianText) {
    MeldungsRekorder rekorder;
    // The meridian arc of this latitude overflows after the meridian text
    // has been written.
    std::string breite = "1e305", laenge = "9", streifen = "3";
    G_GK(breite, laenge, streifen);
    EXPECT_EQ(breite, "1e305");
    EXPECT_EQ(laenge, "9");
    EXPECT_EQ(streifen, "E009°");
    breite = "1E400";
    laenge = "9";
    streifen = "3";
    G_GK(breite, laenge, streifen);
    EXPECT_EQ(breite + laenge + streifen, "1E40093");
    EXPECT_EQ(rekorder.meldungen, std::vector<std::string>(2, FehlerMeldung));
}

TEST(Vorwaertskette, SameTextsWithEitherDecimalSeparator) {
    auto kette = [](const std::string& breite, const std::string& laenge) {
        std::string rechts = laenge, hoch = breite, zone = "WGS";
        G_UTMziv(rechts, hoch, zone);
        std::string militaer = zone;
        UTMziv_UTMmil(militaer, rechts, hoch);
        std::string utmref = militaer;
        UTMmil_UTMref(utmref);
        std::string b = breite, l = laenge, h = "300", richtung = "GB";
        DatumTrafo(b, l, h, richtung);
        std::string gkHoch = b, gkRechts = l, streifen = "3";
        G_GK(gkHoch, gkRechts, streifen);
        std::string d = breite, g, m, s, frei;
        G_GMS(d, g, m, s);
        std::string g2, m2;
        G_GM(d, g2, m2, frei);
        return std::vector<std::string>{zone,
                                        rechts,
                                        hoch,
                                        militaer,
                                        utmref,
                                        b,
                                        l,
                                        h,
                                        gkHoch,
                                        gkRechts,
                                        streifen,
                                        g,
                                        m,
                                        s,
                                        g2,
                                        m2,
                                        Dezimaltext(s, 2),
                                        Dezimaltext(b, 6)};
    };
    for (const auto& [breite, laenge] : std::vector<std::pair<std::string, std::string>>{
             {"48.4363326641023", "9.96796724981198"}, {"-33.9", "18.4"}, {"0.5", "-0.25"}}) {
        std::vector<std::string> punkt, komma;
        {
            MitDezimaltrenner einstellung('.');
            punkt = kette(breite, laenge);
        }
        {
            MitDezimaltrenner einstellung(',');
            komma = kette(breite, laenge);
        }
        EXPECT_EQ(punkt, komma);
        for (const auto& text : komma)
            EXPECT_EQ(text.find(','), std::string::npos) << text;
    }
}

TEST(Vorwaertskette, BadInputNeverLeavesNanOrInf) {
    const std::vector<std::string> schlecht = {"",
                                               "abc",
                                               "1E400",
                                               "-1E400",
                                               "1E-400",
                                               "90",
                                               "-90",
                                               "1e308",
                                               "-",
                                               ".",
                                               "9e15",
                                               "\t\n 5",
                                               "1E99999999999999999999"};
    MeldungsRekorder rekorder;
    auto sauber = [](const std::string& text) {
        std::string klein;
        for (char z : text)
            klein += static_cast<char>(std::tolower(static_cast<unsigned char>(z)));
        return klein.find("nan") == std::string::npos && klein.find("inf") == std::string::npos;
    };
    for (const auto& a : schlecht) {
        for (const auto& b : schlecht) {
            std::vector<std::string> texte;
            std::string l = a, br = b, e = "WGS";
            G_UTMziv(l, br, e);
            std::string mil = e, r = l, h = br;
            UTMziv_UTMmil(mil, r, h);
            UTMmil_UTMref(mil);
            std::string db = a, dl = b, dh = "300", richtung = "GB";
            DatumTrafo(db, dl, dh, richtung);
            std::string gb = a, gl = b, st = "6";
            G_GK(gb, gl, st);
            std::string dez = a, g, m, s, frei;
            G_GMS(dez, g, m, s);
            G_GM(dez, g, m, frei);
            std::string grad = a, min = b, sek = a;
            GMS_G(grad, min, sek);
            for (const auto& t : {l, br, e, mil, db, dl, dh, gb, gl, st, g, m, s, grad})
                EXPECT_TRUE(sauber(t)) << '"' << a << "\" \"" << b << "\" -> " << t;
        }
    }
    for (const auto& meldung : rekorder.meldungen)
        EXPECT_TRUE(meldung == FehlerMeldung ||
                    meldung == "Der Rechtswert muss genau 7-stellig sein!" ||
                    meldung == "Der Hochwert muss genau 7-stellig sein!")
            << meldung;
    EXPECT_FALSE(rekorder.meldungen.empty());
}
