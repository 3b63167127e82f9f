// What the factorisation and spectral rows show for known matrices is pinned
// by their transcripts, the mathematics by the library's tests; here a
// refusal that must store nothing, and the series report's count.

#include "procedures/factorisations.h"
#include "procedures/spectral.h"
#include "tests/procedures/procedure_test_support.h"

namespace {

using FactorSpectralTest = ProcedureTest;

} // namespace

TEST_F(FactorSpectralTest, SingularLuStoresNothing) {
    const Matrix A = RandomMatrix(4, 4, 5);
    Matrix singular = A;
    singular.Row(4) = A.Row(1) * 2.0 - A.Row(2);
    SetCurrent(singular);
    Run(OnFactorLuLower);
    EXPECT_EQ(MaxDiff(Current(), singular), 0.0);
    EXPECT_EQ(TakeTranscript(), "message \"LU Decomposition Error\" \"Singular Matrix\" "
                                "icon=stop buttons=ok -> ok\n");
}

TEST(SeriesMessage, ACountOfOneHundredHasNotConverged) {
    const struct {
        int count;
        const char* text;
    } cases[] = {
        {1, "Series converged after 0 iterations"},
        {99, "Series converged after 98 iterations"},
        {100, "Series failed to converge after 99 iterations"},
        {101, "Series failed to converge after 100 iterations"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SeriesMessage(c.count), c.text) << c.count;
}
