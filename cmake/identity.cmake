# Names that the install rules, the package and their tests share.
set(PRODUCTION_LAB_APP_ID org.productionlab.ProductionLab)
set(PRODUCTION_LAB_RELEASE_DATE 2026-12-07)
# SPDX identifier of the licence (LICENSE holds its text), for the metadata and the package.
set(PRODUCTION_LAB_LICENSE GPL-3.0-or-later)
# The project has no web site or shared mailbox: the package names its developers only.
set(PRODUCTION_LAB_MAINTAINER "The Production Lab developers")
