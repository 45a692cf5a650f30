// Results against true values computed elsewhere (mpmath at 300 bits): the inverse hyperbolic
// functions within an ulp over their whole domains, and what the display shows for the platform's
// functions at their edges. The display texts are those of the double nearest the true value;
// a short decimal must come out exactly, with no allowance in its last digit.

#include "engine/inverse_hyperbolic.h"
#include "tests/engine/calculator_fixture.h"

#include <cmath>

namespace
{

struct InverseCase
{
    double dblArgument;
    double dblNearest; // the double nearest the true value
    int nSide;         // the true value lies above (1) or below (-1) it, or is it (0)
};

const InverseCase g_aSinhCases[] = {
    {-0x1.dcd6500000000p+29, -0x1.56a9a0b23d188p+4, 1},
    {0x1.b7cdfd9d7bdbbp-34, 0x1.b7cdfd9d7bdbbp-34, -1},
    {-0x1.b7cdfd9d7bdbbp-34, -0x1.b7cdfd9d7bdbbp-34, 1},
    {0x1.0000000000000p+0, 0x1.c34366179d427p-1, -1},
    {0x1.0000000000000p-1, 0x1.ecc2caec5160ap-2, -1},
    {0x1.1ccf385ebc8a0p+1023, 0x1.62f1d6695e8ecp+9, 1},
    {-0x1.fffffffffffffp+1023, -0x1.633ce8fb9f87ep+9, 1},
    {0x0.0000000000001p-1022, 0x0.0000000000001p-1022, 0},
    {0x1.0000000000000p-28, 0x1.0000000000000p-28, -1},
    {0x1.fffffffffffffp-29, 0x1.fffffffffffffp-29, -1},
    {0x1.0000000000000p+28, 0x1.419ecb712c481p+4, -1},
    {0x1.0000000000001p+28, 0x1.419ecb712c481p+4, -1},
    {0x1.4f8b588e368f1p-17, 0x1.4f8b588e1e8a2p-17, 1},
    {0x1.8000000000000p+1, 0x1.d185b507edc0ep+0, -1},
    {0x1.9000000000000p+6, 0x1.53180a93d3c2ap+2, -1},
    {0x1.c6bf526340000p+49, 0x1.19dafabf5e8acp+5, -1},
    {0x1.8000000000000p-1, 0x1.62e42fefa39efp-1, 1},
    {0x1.0000000000000p+1, 0x1.719218313d087p+0, 1},
    {-0x1.3333333333333p-2, -0x1.2ec4ea565fcc1p-2, 1},
    {0x1.56e1fc2f8f359p-997, 0x1.56e1fc2f8f359p-997, 0},
    {0x1.718a81d17b366p-31, 0x1.718a81d17b366p-31, -1},
    {-0x1.bdbc859061504p+28, -0x1.4a7e3b9c0dd8cp+4, 1},
    {0x1.0f0e944e05ff5p+8, 0x1.92e922fadd528p+2, 1},
    {-0x1.c57c97853885dp+3, -0x1.ac3d443955a9fp+1, 1},
    {0x1.0efc84e23f193p+20, 0x1.d39d8c692bb9dp+3, -1},
    {-0x1.195f9b308bba8p+9, -0x1.c1a99f8eb83b5p+2, 1},
    {0x1.f64b1e7aa62c0p-5, 0x1.f5faaeff905c5p-5, 1},
    {-0x1.468a35f916701p+14, -0x1.547fa6984331fp+3, 1},
    {0x1.5027fb2b93074p+38, 0x1.b4e1d8dd9688ap+4, 1},
    {-0x1.f65453ef44c88p+39, -0x1.c666429c78285p+4, -1},
    {0x1.2c92605b06613p-13, 0x1.2c926049c2ac6p-13, -1},
    {-0x1.82e6e0338e910p-4, -0x1.82542cba7468dp-4, 1},
    {0x1.24d1d67798fecp+6, 0x1.3f221a4210829p+2, -1},
    {-0x1.0f3b26c5d0918p-11, -0x1.0f3b25fad66eep-11, -1},
    {0x1.cfd241946c66bp+6, 0x1.5c9156c9a1539p+2, -1},
    {-0x1.6c3a7d2e8f1a4p+0, -0x1.26b167e97a7afp+0, -1},
    {0x1.375d1a6120b69p-1, 0x1.26cd615ed54e4p-1, -1},
    {-0x1.834bb98416eb4p-7, -0x1.83496a98286dep-7, 1},
    {0x1.5b0b82ed28b1bp+1, 0x1.b914430e077adp+0, 1},
    {-0x1.3f8d61f6578ffp-30, -0x1.3f8d61f6578ffp-30, 1},
    {0x1.ed2e43f3a6513p+30, 0x1.624acbe112ef8p+4, -1},
    {-0x1.84e45aed29229p-3, -0x1.8297906466990p-3, 1},
    {0x1.d5150992c3313p+30, 0x1.617d989db7289p+4, -1},
    {-0x1.777398570e1a5p-3, -0x1.7561323d31a1bp-3, 1},
    {0x1.91de751936c10p+3, 0x1.9cd0b128761afp+1, -1},
    {-0x1.86c59192a3fcap-16, -0x1.86c591920c3bcp-16, -1},
    {0x1.3dae31bee7344p-2, 0x1.38cb1b8bc78fbp-2, 1},
    {-0x1.76c9c47b277bcp-17, -0x1.76c9c47b06034p-17, 1},
    {0x1.5e0cc62cd4879p+12, 0x1.2a5caa3193cc3p+3, -1},
    {-0x1.c76fa196540a8p+1, -0x1.fb4771e55fd00p+0, 1},
};
const InverseCase g_aCoshCases[] = {
    {0x1.0000000000000p+0, 0x0.0p+0, 0},
    {0x1.0000000000001p+0, 0x1.6a09e667f3bccp-26, 1},
    {0x1.0000000400000p+0, 0x1.6a09e6677b0edp-15, 1},
    {0x1.000001ad7f29bp+0, 0x1.d4effc065cae4p-12, 1},
    {0x1.8000000000000p+0, 0x1.ecc2caec5160ap-1, -1},
    {0x1.0000000000000p+1, 0x1.5124271980435p+0, -1},
    {0x1.dd55745cbb7edp+514, 0x1.659805acd1225p+8, 1},
    {0x1.1ccf385ebc8a0p+1023, 0x1.62f1d6695e8ecp+9, 1},
    {0x1.fffffffffffffp+1023, 0x1.633ce8fb9f87ep+9, -1},
    {0x1.0000000000000p+28, 0x1.419ecb712c481p+4, -1},
    {0x1.0000000000001p+28, 0x1.419ecb712c481p+4, -1},
    {0x1.4000000000000p+3, 0x1.7f21ed1ce05d4p+1, 1},
    {0x1.00068db8bac71p+0, 0x1.cf67d7ec0d4e5p-7, 1},
    {0x1.8000000000000p+1, 0x1.c34366179d427p+0, -1},
    {0x1.04b230b2b0faep+0, 0x1.87adbcca086ddp-3, 1},
    {0x1.00000000002b8p+0, 0x1.2a79e3a2cd2a2p-21, 1},
    {0x1.93622512a5da2p+0, 0x1.06fbb6fc65b1bp+0, -1},
    {0x1.28090900fd39ap+15, 0x1.678a7eb7b4a1dp+3, -1},
    {0x1.38fc494728f4cp+2, 0x1.2288cd4a0613ap+1, 1},
    {0x1.000000000048ep+0, 0x1.8253878ae2d76p-21, -1},
    {0x1.f15dffa2538c8p+22, 0x1.09b45f5d160b4p+4, 1},
    {0x1.00000000a2179p+0, 0x1.2014f104248c4p-16, -1},
    {0x1.6955a5ac9dfedp+33, 0x1.7e960a5dfbfdap+4, 1},
    {0x1.0983967b94705p+0, 0x1.165159adc5404p-2, 1},
    {0x1.9c014e54ad824p+0, 0x1.0df0b10dc02b8p+0, 1},
    {0x1.8dbd7ccd8814ep+28, 0x1.48ab949f3af05p+4, 1},
    {0x1.0000000000005p+0, 0x1.94c583ada5b52p-25, -1},
    {0x1.00072e1ce74cap+0, 0x1.e50cf8ed59aa1p-7, 1},
    {0x1.039fed58dd5dbp+0, 0x1.583b4e42e6455p-3, 1},
    {0x1.0268d8b6b7b30p+17, 0x1.8f8d74b360785p+3, 1},
    {0x1.445ab152004f0p+32, 0x1.71c4ac4556e76p+4, 1},
    {0x1.28d20dff62ddap+33, 0x1.7b7073fc07d94p+4, -1},
    {0x1.0000000000005p+0, 0x1.94c583ada5b52p-25, -1},
    {0x1.0000000000017p+0, 0x1.b211b1c70d020p-24, -1},
    {0x1.00000000002b5p+0, 0x1.29d508edf583ep-21, -1},
    {0x1.0147492079a87p+0, 0x1.992eec227ecadp-4, -1},
    {0x1.9abc22304411ep+5, 0x1.286b757a0f665p+2, 1},
    {0x1.6cbf2de8070b7p+33, 0x1.7ebc8a0cfe400p+4, 1},
    {0x1.b52cb289da330p+0, 0x1.20fa7e0797a29p+0, -1},
    {0x1.7f27b4bb921c1p+21, 0x1.f4e14884bc551p+3, -1},
    {0x1.4ab4efb860536p+29, 0x1.50ceb9bd04f26p+4, 1},
    {0x1.0000001aeedcdp+0, 0x1.d5b7f8d4a87d8p-14, 1},
    {0x1.1721b1f81afb4p+3, 0x1.6d8a9ddc46a14p+1, 1},
    {0x1.020ccbbd8e939p+0, 0x1.0301af5340be0p-3, 1},
};
const InverseCase g_aTanhCases[] = {
    {0x1.12e0be826d695p-30, 0x1.12e0be826d695p-30, 1},
    {0x1.4f8b588e368f1p-17, 0x1.4f8b588e6698ep-17, 1},
    {0x1.999999999999ap-4, 0x1.9af93cd234412p-4, 1},
    {0x1.0000000000000p-1, 0x1.193ea7aad030bp-1, -1},
    {-0x1.fffffca501acbp-1, -0x1.0cfad9b61ff69p+3, -1},
    {0x1.fffffffffffffp-1, 0x1.2b708872320e2p+4, -1},
    {-0x1.fffffffffffffp-1, -0x1.2b708872320e2p+4, 1},
    {0x1.fae147ae147aep-1, 0x1.52c581997cd85p+1, 1},
    {0x1.0000000000000p-28, 0x1.0000000000000p-28, 1},
    {0x1.fffffffffffffp-29, 0x1.fffffffffffffp-29, 1},
    {0x1.56e1fc2f8f359p-997, 0x1.56e1fc2f8f359p-997, 0},
    {0x0.0000000000001p-1022, 0x0.0000000000001p-1022, 0},
    {0x1.3333333333333p-2, 0x1.3cf2b50617c95p-2, 1},
    {-0x1.8000000000000p-1, -0x1.f2272ae325a57p-1, -1},
    {0x1.fffffffffdcd1p-1, 0x1.c52fe24acee6dp+3, -1},
    {0x1.f25fd0a4685e5p-21, 0x1.f25fd0a468fbbp-21, 1},
    {-0x1.ffffffffff1f5p-1, -0x1.d3e1e35f66001p+3, 1},
    {0x1.7736418342beap-10, 0x1.7736524e14b11p-10, -1},
    {-0x1.ffe72ea7c00abp-1, -0x1.287ad77fcc5abp+2, -1},
    {0x1.47f8d8c2724b6p-31, 0x1.47f8d8c2724b6p-31, 1},
    {-0x1.ff6c48e15a1fbp-1, -0x1.dec56821555a6p+1, -1},
    {0x1.a63f53b8540fap-14, 0x1.a63f53d042a9cp-14, -1},
    {-0x1.fffffffffd877p-1, -0x1.c3523f676eb0ap+3, 1},
    {0x1.51dd434d1842bp-9, 0x1.51dd7457d3cd6p-9, -1},
    {-0x1.ffffffffffff0p-1, -0x1.1542457337d43p+4, 1},
    {0x1.5019fadf3a0dfp-29, 0x1.5019fadf3a0dfp-29, 1},
    {-0x1.fffda3341461ep-1, -0x1.73bddaa09d442p+2, -1},
    {0x1.a6bdc1563e473p-13, 0x1.a6bdc1b64ec66p-13, -1},
    {-0x1.fffffffddd1bfp-1, -0x1.6ced4a6dbdf5dp+3, -1},
    {0x1.7498ab96abdeap-36, 0x1.7498ab96abdeap-36, 1},
    {-0x1.fffff28eb0fe2p-1, -0x1.ed8c778b81905p+2, 1},
    {0x1.0fee317b39d5ep-30, 0x1.0fee317b39d5ep-30, 1},
    {-0x1.ffffffd73cf48p-1, -0x1.3dbf83b2c7ce4p+3, -1},
    {0x1.b0795dc5ec5d7p-32, 0x1.b0795dc5ec5d7p-32, 1},
    {-0x1.fffd93c5c39f0p-1, -0x1.72ef7620a713ap+2, -1},
    {0x1.34b419da2c237p-16, 0x1.34b419dac1c52p-16, 1},
    {-0x1.fffffffffeebbp-1, -0x1.d092bede01c95p+3, 1},
    {0x1.c265f521aa65bp-23, 0x1.c265f521aa6cfp-23, 1},
    {-0x1.a9e73294cbd28p-2, -0x1.c56028c088c95p-2, -1},
    {0x1.16482b5dc6546p-14, 0x1.16482b64a01aap-14, 1},
    {-0x1.ffffffa244479p-1, -0x1.306cc087cb3d9p+3, 1},
    {0x1.da489f8eb2e51p-24, 0x1.da489f8eb2e73p-24, -1},
    {-0x1.ffffffffffffdp-1, -0x1.22a69334db8c9p+4, -1},
    {0x1.d42a06fc8bdecp-23, 0x1.d42a06fc8be6ep-23, 1},
    {-0x1.e52191126edabp-1, -0x1.ce94b7f604553p+0, 1},
};

// Within an ulp of the true value: the nearest double, or its neighbour on the true value's side.
template <size_t N>
void ExpectWithinAnUlp(const InverseCase (&aCases)[N], double (*pfnFunction)(double),
                       const char* pszName)
{
    for (const InverseCase& c : aCases)
    {
        double dblResult = pfnFunction(c.dblArgument);
        double dblOther =
            c.nSide == 0 ? c.dblNearest : std::nextafter(c.dblNearest, c.nSide * INFINITY);
        EXPECT_TRUE(dblResult == c.dblNearest || dblResult == dblOther)
            << pszName << " " << std::hexfloat << c.dblArgument << " gives " << dblResult
            << ", true value near " << c.dblNearest;
    }
}

} // namespace

TEST(InverseHyperbolicTest, WithinAnUlpOverTheWholeDomain)
{
    ExpectWithinAnUlp(g_aSinhCases, InverseSinh, "asinh");
    ExpectWithinAnUlp(g_aCoshCases, InverseCosh, "acosh");
    ExpectWithinAnUlp(g_aTanhCases, InverseTanh, "atanh");
}

TEST(InverseHyperbolicTest, OutsideTheDomainIsNotANumber)
{
    EXPECT_TRUE(std::isnan(InverseCosh(0.9999999999999999)));
    EXPECT_TRUE(std::isnan(InverseCosh(-INFINITY)));
    EXPECT_TRUE(std::isnan(InverseTanh(1.0000000000000002)));
    EXPECT_TRUE(std::isnan(InverseSinh(NAN)));
    EXPECT_EQ(INFINITY, InverseTanh(1.0));
    EXPECT_EQ(-INFINITY, InverseTanh(-1.0));
    EXPECT_EQ(-INFINITY, InverseSinh(-INFINITY));
    EXPECT_EQ(INFINITY, InverseCosh(INFINITY));
    EXPECT_TRUE(std::signbit(InverseSinh(-0.0)));
    EXPECT_TRUE(std::signbit(InverseTanh(-0.0)));
}

TEST_F(CalculatorTest, DisplayShowsTheTrueValue)
{
    const KeyCase aCases[] = {
        // Short decimals, exactly.
        {"5 x^y 2 sign =", "0.04", 0},
        {"10 x^y 5 sign =", "1e-005", 0},
        {"5 sign 10^x", "1e-005", 0},
        {"3 0 0 sign 10^x", "1.00000000000000e-300", 0},
        {"22 10^x", "1.00000000000000e+022", 0},
        {"2 x^y 10 sign =", "0.0009765625", 0},
        {"4 x^y 0.5 =", "2", 0},
        {"1 exp 308 x^y 1 sign =", "1.00000000000000e-308", 0},
        // e^x where it underflows and overflows; the runtime is not asked below -746.
        {"2000 sign e^x", "0", 0},
        {"1024 sign e^x", "0", 0},
        {"746 sign e^x", "0", 0},
        {"745 sign e^x", "4.94065645841247e-324", 0},
        {"709 e^x", "8.21840746155497e+307", 0},
        {"710 e^x", "Error", 0},
        // pow and the rest at their edges.
        {"0 x^y 1 sign =", "Error", 0},
        {"0 sign x^y 3 sign =", "Error", 0},
        {"2 sign x^y 0.5 =", "Error", 0},
        {"0 x^y 0 =", "1", 0},
        {"0.5 x^y 1 exp 300 =", "0", 0},
        {"2 x^y 1074 sign =", "4.94065645841247e-324", 0},
        {"2 sign x^y 1075 sign =", "0", 0},
        {"0 sign sqrt", "0", 0},
        {"9 exp 999 sin", "Error", 0},
        {"1 exp 308 cos", "-0.8913089376870335", 0},
        {"1 exp 19 tan", "2.472793765846527", 0},
        {"710 sinh", "1.11699738308086e+308", 0},
        {"710 cosh", "1.11699738308086e+308", 0},
        // Large arguments of the trigonometric functions, the inverse hyperbolics far out and
        // near their edges, and the rest.
        {"1 exp 22 sin", "-0.8522008497671888", 0},
        {"1 exp 22 cos", "0.523214785395139", 0},
        {"1 exp 17 sin", "-0.4645301048353727", 0},
        {"100000 sin", "0.03574879797201651", 0},
        {"123456789 cos", "0.1402596815339096", 0},
        {"1 exp 300 tan", "1.421448823874724", 0},
        {"1 sign exp 9 asinh", "-21.41641301750636", 0},
        {"1 exp 155 acosh", "357.593836594637", 0},
        {"1 exp 10 sign asinh", "1e-010", 0},
        {"1.0000001 acosh", "0.0004472135919037347", 0},
        {"0.0000001 atanh", "1.000000000000003e-007", 0},
        {"0.9999999999 atanh", "11.85949901385502", 0},
        {"1.797693134862315 exp 308 asinh", "710.475860073944", 0},
        {"700 e^x", "1.01423205473500e+304", 0},
        {"700 sign e^x", "9.85967654375977e-305", 0},
        {"2 x^y 0.5 =", "1.414213562373095", 0},
        {"2 sign x^y 3 sign =", "-0.125", 0},
        {"1 exp 200 x^y 1.5 =", "1.00000000000000e+300", 0},
        {"0.5 sign 10^x", "0.3162277660168379", 0},
        {"307.5 10^x", "3.16227766016838e+307", 0},
        {"2 ln", "0.6931471805599453", 0},
        {"1 exp 300 log", "300", 0},
        {"1 exp 300 sign sqrt", "1.00000000000000e-150", 0},
        {"1.5 sinh", "2.129279455094817", 0},
        {"700 cosh", "5.07116027367502e+303", 0},
        {"0.5 tanh", "0.4621171572600097", 0},
        {"0.999 asin", "1.526071239626163", 0},
        {"0.999 sign acos", "3.09686756642106", 0},
        {"1 exp 300 atan", "1.570796326794897", 0},
    };
    ExpectCases(aCases);
}
