# Names that the install rules, the package and their tests share.
set(PRODUCTION_LAB_APP_ID org.productionlab.ProductionLab)
set(PRODUCTION_LAB_RELEASE_DATE 2026-12-07)
set(PRODUCTION_LAB_HOMEPAGE "https://productionlab.org" CACHE STRING
    "Home page of the project, also the base of the screenshot address in the AppStream metadata")
set(PRODUCTION_LAB_MAINTAINER "Production Lab maintainers <maintainers@productionlab.org>"
    CACHE STRING "Maintainer line of the Debian package")
