#pragma once
// Least squares for the data tools (Eigen): the coefficients b of X b ~ r for several right-hand
// sides r at once, with a very small ridge so that nearly dependent columns (the slow secular
// arguments) stay solvable.

#include <Eigen/Dense>

namespace orvan::efem {

// Columns of X are the basis functions at the samples, columns of R the targets; returns B with
// one column of coefficients per target.
Eigen::MatrixXd LosOp(const Eigen::MatrixXd& X, const Eigen::MatrixXd& R);

}  // namespace orvan::efem
