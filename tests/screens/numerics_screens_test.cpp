// The matrix, linear-system and error-theory controllers: they compute with the program's
// settings as they are when the command runs, say why there is no result in a box and the
// status line, show what a cancelled command leaves, and report their results as JSON.

#include "screens/equations_screen.h"
#include "screens/errors_screen.h"
#include "screens/matrix_screen.h"
#include "tests/support/recording_platform.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace cesuan {
namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }
QString json(const QJsonObject& object) { return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)); }

// The user cancels every command before its work starts.
class CancellingRunner : public WorkRunner {
public:
    bool run(const QString&, Work) override { return false; }
};

struct Fixture : ::testing::Test {
    CalcSettings settings;
    RecordingMessageBox messages;
    RecordingNavigator navigator;
    WorkRunner work;
};

using MatrixScreenTest = Fixture;

TEST_F(MatrixScreenTest, StartExampleEveryOperationAndJson) {
    MatrixScreen screen(settings, messages, work, navigator);
    screen.compute();
    EXPECT_EQ(screen.result, q(u"det A = 19\r\n"));
    EXPECT_EQ(screen.status, q(u"条件数 3.32"));
    EXPECT_EQ(json(screen.json()), q(u"{\"value\":19}"));

    screen.chooseOperation(int(MatrixOperation::Solve));
    screen.compute();
    EXPECT_EQ(screen.result, q(u"X =（3×1）\r\n  1\r\n  1\r\n  1\r\n"));
    EXPECT_EQ(json(screen.json()), q(u"{\"matrix\":[[1],[1],[1]]}"));

    // The places of the settings when the command runs.
    settings.decimalPlaces = 3;
    screen.chooseOperation(int(MatrixOperation::Inverse));
    screen.compute();
    EXPECT_EQ(screen.matrixTexts.first(), (QStringList{q(u"0.316"), q(u"-0.105"), q(u"-0.158")}));

    screen.chooseOperation(int(MatrixOperation::Eigen));
    screen.matrixA = q(u"2 0\n0 1");
    screen.compute();
    EXPECT_EQ(json(screen.json()), q(u"{\"values\":[1,2],\"vectors\":[[0,1],[1,0]]}"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MatrixScreenTest, ProblemsAndCancelling) {
    MatrixScreen screen(settings, messages, work, navigator);
    screen.matrixA = q(u"1 2\n2 4");
    screen.chooseOperation(int(MatrixOperation::Inverse));
    screen.compute();
    EXPECT_TRUE(screen.failed);
    EXPECT_EQ(screen.result, q(u""));
    EXPECT_EQ(messages.errors, QStringList{screen.status});
    EXPECT_TRUE(screen.status.startsWith(q(u"矩阵奇异（秩为1，阶数为2）")));
    EXPECT_TRUE(screen.json().isEmpty());

    CancellingRunner cancelling;
    MatrixScreen cancelled(settings, messages, cancelling, navigator);
    cancelled.compute();
    EXPECT_TRUE(cancelled.failed);
    EXPECT_EQ(cancelled.status, q(u"计算已取消。"));
    EXPECT_EQ(messages.shown.size(), 1);  // no box for a cancel

    screen.learn();
    EXPECT_EQ(navigator.helpTopics, std::vector<ScreenId>{ScreenId::Matrix});
}

using EquationsScreenTest = Fixture;

TEST_F(EquationsScreenTest, StartExampleLeastSquaresAndJson) {
    EquationsScreen screen(settings, messages, work, navigator);
    screen.solve();
    EXPECT_EQ(json(screen.json()), q(u"{\"rank\":3,\"status\":\"unique\",\"unknowns\":{\"x\":1,\"y\":2,\"z\":3}}"));
    EXPECT_TRUE(screen.result.startsWith(q(u"唯一解：3个方程，3个未知数，系数矩阵的秩为3，增广矩阵的秩为3。\r\n")));

    screen.system = q(u"x=1\nx=2\nx=6");
    screen.solve();
    EXPECT_EQ(json(screen.json()), q(u"{\"rank\":1,\"status\":\"none\",\"unknowns\":{}}"));
    screen.leastSquares = true;
    screen.solve();
    EXPECT_EQ(json(screen.json()), q(u"{\"rank\":1,\"status\":\"least-squares\",\"unknowns\":{\"x\":3}}"));
    EXPECT_TRUE(screen.result.contains(q(u"单位权中误差 m₀ = ±2.64575131106459")));

    screen.system = q(u"x+y=1\n2x+2y=2");
    screen.solve();
    EXPECT_EQ(json(screen.json()), q(u"{\"rank\":1,\"status\":\"infinite\",\"unknowns\":{}}"));

    screen.system = q(u"x*y=1");
    screen.solve();
    EXPECT_TRUE(screen.failed);
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(screen.json().isEmpty());
}

using ErrorsScreenTest = Fixture;

TEST_F(ErrorsScreenTest, StartExamplesAndJson) {
    ErrorsScreen screen(settings, messages, work, navigator);
    screen.computeObservations();
    EXPECT_EQ(json(screen.observationsJson()),
              q(u"{\"blunders\":[],\"m\":2.60768096208106,\"m_mean\":1.06458129484475,\"mean\":26,\"n\":6,\"relative\":24}"));
    screen.propagate();
    EXPECT_EQ(json(screen.propagationJson()),
              q(u"{\"m\":4.139042715,\"shares\":{\"x\":17.4,\"y\":82.6},\"value\":10834.8648}"));

    settings.decimalPlaces = 2;
    screen.computeObservations();
    EXPECT_TRUE(screen.observationsResult.contains(q(u"观测值中误差 m = ±2.61\r\n")));

    // Corrections show the digits the observations carry, not a binary tail.
    settings.decimalPlaces = 15;
    screen.observations = q(u"35.4312 35.4318 35.4308 35.4315 35.4311");
    screen.computeObservations();
    EXPECT_TRUE(screen.observationsResult.contains(q(u"算术平均值 x̄ = 35.43128\r\n"))) << screen.observationsResult.toStdString();
    EXPECT_TRUE(screen.observationsResult.contains(q(u" 0.00008\r\n"))) << screen.observationsResult.toStdString();
    EXPECT_TRUE(screen.observationsResult.contains(q(u" -0.00052\r\n"))) << screen.observationsResult.toStdString();

    screen.observations = q(u"5 5 5");
    screen.computeObservations();
    EXPECT_EQ(json(screen.observationsJson()), q(u"{\"blunders\":[],\"m\":0,\"m_mean\":0,\"mean\":5,\"n\":3,\"relative\":null}"));

    screen.variables = q(u"x=1");
    screen.propagate();
    EXPECT_TRUE(screen.propagationFailed);
    EXPECT_EQ(messages.errors, QStringList{screen.status});
}

}  // namespace
}  // namespace cesuan
