#include "tools/ephemeris/KleinsteKwadraten.h"

namespace orvan::efem {

Eigen::MatrixXd LosOp(const Eigen::MatrixXd& X, const Eigen::MatrixXd& R) {
  if (X.cols() == 0) return Eigen::MatrixXd::Zero(0, R.cols());
  // Householder QR with column pivoting on the columns scaled to unit length: the slow arguments
  // give nearly dependent columns, which the normal equations would not resolve.
  Eigen::VectorXd schaal = X.colwise().norm().transpose();
  for (Eigen::Index j = 0; j < schaal.size(); ++j)
    if (schaal(j) == 0) schaal(j) = 1;
  const Eigen::MatrixXd Xs = X * schaal.cwiseInverse().asDiagonal();
  Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(Xs);
  qr.setThreshold(1e-13);
  Eigen::MatrixXd B = qr.solve(R);
  return schaal.cwiseInverse().asDiagonal() * B;
}

}  // namespace orvan::efem
