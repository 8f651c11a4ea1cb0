#include "schema/SchemaTables.h"

using namespace SchemaTables::col;
using SchemaTables::index;

// Business columns are named after the bound controls the way the designer
// derives them (the control name from its fourth character), so generated
// screen definitions bind without hand correction.

static TableDef carTable()
{
    return {QStringLiteral("car"),
            {key("carid"), text("name"), date("CREATEDT"), flag("rented"), flag("STOP"),
             number("METER"),
             // Car data
             text("CARTYPE"), text("PLATENO"), text("BRAND"), text("COLOR"), text("SHAPE"),
             text("MAKE"), text("GEAR"), text("MOTORNO"), text("CHASSISNO"), money("FARE"),
             text("COMMENTS"),
             // Owner
             text("OWNERNAME"), text("OWNERJOB"), text("ADDRESS"), text("CITY"), text("GOVERN"),
             text("COUNTRY"), text("POSTALCODE"), text("TEL1"), text("TEL2"), text("TEL3"),
             text("MOB"), text("EXT"), text("FAX"), text("OWNERCOMMENTS"),
             // Licence
             text("TRAFFIC"), text("LICENSENO"), date("LICENSEEXPIRY"),
             // Insurance; the first "to" date keeps its control's spelling
             text("INSURANCETYPE1"), text("INSURANCE1"), date("INSURANCE1FROM"),
             date("INSURANEDC1DATETTO"), text("INSURANCETYPE2"), text("INSURANCE2"),
             date("INSURANCE2DATEFROM"), date("INSURANCE2DATETO"), text("INSURANCECOMMENTS"),
             // Maintenance schedules
             text("MAINTYPE1"), number("MAINTMILES1"), number("EVERYDAYS1"),
             number("MAINTMILESSTART1"), date("MAINTSTART1"),
             text("MAINTYPE2"), number("MAINTMILES2"), number("EVERYDAYS2"),
             number("MAINTMILESSTART2"), date("MAINTSTART2"),
             text("MAINTYPE3"), number("MAINTMILES3"), number("EVERYDAYS3"),
             number("MAINTMILESSTART3"), date("MAINTSTART3"),
             // Other
             date("LASTTRAN"), flag("PRINTINCONTRACT1"), flag("PRINTINCONTRACT2"),
             flag("PRINTINCONTRACT3"), flag("PRINTINCONTRACT4"), flag("PRINTINCONTRACT5"),
             flag("PRINTINCONTRACT6")},
            {index({"rented", "STOP"})}};
}

static TableDef customerTable()
{
    return {QStringLiteral("Customer"),
            {key("CUSTOMERID"), text("name"), date("CREATEDT"),
             text("TITLE"), text("LASTNAME"), text("NICKNAME"),
             // Identity document and driving licence
             text("IDTYPE"), code("IDNUMBER"), text("ISSUEPLACE"), date("ISSUEDATE"),
             text("LICENSETYPE"), text("HOMECARLICENSE"), text("TRAFFICDEPART"),
             date("HOMELICENSEEXPIRY"),
             // Account
             text("NATIONALITY"), text("SEX"), flag("BLACKLIST"), flag("STOPTRANSACTION"),
             date("CREATIONDATE"), date("LASTTRANSACTION"), money("BALANCE"),
             // Personal
             text("RELIGIN"), text("MARITALSTATUS"), text("REFEREDBY"), date("BIRTHDATE"),
             text("CHILDREN"), text("SPOUSE"),
             // Home
             text("HOMEADDRESS"), text("HOMECITY"), text("HOMEGOVERN"), text("HOMECOUNTRY"),
             text("HOMEPOSTALCODE"), text("HOMETEL1"), text("HOMETEL2"), text("HOMETEL3"),
             text("HOMEMOB"), text("HOMEEXT"), text("HOMEFAX"), text("HOMEEMAIL"),
             text("HOMEWEBSITE"), text("HOMECOMMENTS"),
             // Work
             text("WORKCOMPANY"), text("WORKJOB"), text("WORKDEPARTMENT"), text("WORKASSISTANT"),
             text("WORKADDRESS"), text("WORKCITY"), text("WORKGOVERN"), text("WORKCOUNTRY"),
             text("WORKPOSTALCODE"), text("WORKTEL1"), text("WORKTEL2"), text("WORKTEL3"),
             text("WORKMOB"), text("WORKEXT"), text("WORKFAX"), text("WORKEMAIL"),
             text("WORKWEBSITE"), text("WORKCARNO"), text("WORKCARLICENSENO"),
             text("WORKCARTRAFFIC"), text("WORKCOMMENTS")},
            {}};
}

// The employee screen's controls use short prefixes (df, cmb, dt, cb); the
// columns are the names without them.
static TableDef employeeTable()
{
    return {QStringLiteral("EMPLOYEE"),
            {key("EMPID"), text("NAME"),
             // Personal
             text("IDNUM"), text("ISSUEEDFROM"), date("BIRTHDATE"), text("BIRTHPLACE"),
             text("SEX"), text("MARITALSTATUS"), number("NOCHILDREN"), text("MILITARYSTATUS"),
             text("QUALIFICATION"), text("MAJOR"), text("ADDRESS"), text("HOMEPHONE"),
             text("NEARESTPHONE"), text("MOBILE"),
             // Professional
             text("DEPARTMENT"), text("JOB"), text("WORKTYPE"), text("TIMECARDNO"),
             flag("FLGMANAGER"), number("MANAGERID"), date("DATEJOINED"), date("HIREJOINED"),
             date("TERMINATIONDATE"),
             // Sizes for work clothing
             text("HEIGHT"), text("WEIGHT"), text("DRESS"), text("GLOVE"), text("HAT"),
             text("PANTS"), text("JACKET"), text("SHIRT"), text("SHOE"), text("CHEST"),
             text("HEAD"), text("HEIGHT2"), text("NECK"), text("SHOULDER"), text("WAIST")},
            {index({"FLGMANAGER"})}};
}

static TableDef rentTable()
{
    return {QStringLiteral("RENT"),
            {key("RENTID"), text("NAME"), date("EXITDATE"), flag("RETURNED"),
             // Rentor, copied from the customer
             number("CUSTOMERID"), text("TITLE"), text("CUSTOMERNAME"), text("IDTYPE"),
             code("IDNUMBER"), text("ISSUEPLACE"), date("ISSUEDATE"), text("LICENSENO"),
             date("LICENSEEXPIRYDATE"), text("LICENSEISSUEPLACE"), text("NATIONALITY"),
             text("JOB"), text("WORKPLACE"), text("ADDRESS"), text("CITY"), text("GOVERN"),
             text("TEL1"), text("TEL2"), text("TEL3"), text("MOB"), text("EXT"), text("FAX"),
             // Car, copied from the fleet
             number("CARNO"), text("CARTYPE"), text("PLATNO"), text("MODEL"), text("COLOR"),
             number("METER"), money("DAILYRENT"), text("COMMENTS"),
             // Rent
             time("EXITTIME"), number("RENTPERIOD"), date("RETURNDATE"), money("INSURANCE"),
             text("DAILYRENTTEXT"), text("INSURANCETEXT"), flag("OPENMETER"),
             flag("PRINTCOMMENTS"),
             // Surrender
             date("ACTUALRETURNDATE"), time("ACTUALRETURNTIME"), number("ACTUALPERIOD"),
             number("RETURNMETER"), number("PERMITTED"), number("METERDIFFERENCE"),
             money("REQUIREDKILOMETERSDIFF"), money("REQUIREDAMOUNT"), money("OTHERAMOUNTS"),
             money("TOTAL"), money("PAID"), money("REMAINDER"), text("SURRENDERCOMMENTS")},
            {index({"RETURNED"}), index({"CARNO"}), index({"CUSTOMERID"})}};
}

QList<TableDef> SchemaTables::rental()
{
    // Picture tables: one row per picture, addressed by the owner's key; the
    // surrogate key lets the rows be replaced and edited like any other.
    TableDef carPicture{
        QStringLiteral("CARPICTURE"),
        {key("CARPICTUREID"), number("CARID"), number("PICTURESEQUENCE"), blob("CARPICTURE")},
        {index({"CARID", "PICTURESEQUENCE"})}};
    TableDef customerPicture{
        QStringLiteral("CUSTOMERPICTURE"),
        {key("CUSTOMERPICTUREID"), number("CUSTOMERID"), blob("CUSTOMERPICTURE")},
        {index({"CUSTOMERID"})}};
    TableDef employeePicture{QStringLiteral("EMPPICTURE"),
                             {key("EMPPICTUREID"), number("EMPID"), blob("OLEMODULE")},
                             {index({"EMPID"})}};

    // The message text sits in the control dfsHomeComments.
    TableDef customerMessage{
        QStringLiteral("CUSTOMERMESSAGE"),
        {key("CUSTOMERMESSAGEID"), text("name"), text("HOMECOMMENTS")},
        {}};

    return {carTable(),      carPicture,      customerTable(), customerPicture,
            employeeTable(), employeePicture, rentTable(),     customerMessage};
}

TableDef SchemaTables::reservations()
{
    // A car booked ahead. STATE: 0 booked, 1 picked up (RENTID names the
    // contract it became), 2 cancelled, 3 no-show. A booking without a car
    // asks for a type (CARTYPE) until the counter picks one.
    return {QStringLiteral("RESERVATION"),
            {key("RESERVATIONID"), text("NAME"), date("CREATEDT"), number("STATE"),
             number("CUSTOMERID"), text("CUSTOMERNAME"), text("MOB"),
             number("CARNO"), text("PLATNO"), text("CARTYPE"),
             date("PICKUPDATE"), time("PICKUPTIME"), date("RETURNDATE"), time("RETURNTIME"),
             money("DAILYRENT"), money("DEPOSIT"), text("COMMENTS"), number("RENTID")},
            {index({"CARNO", "STATE"}), index({"STATE", "PICKUPDATE"}), index({"CUSTOMERID"})}};
}

TableDef SchemaTables::receipts()
{
    // REFUND 1 pays money back to the customer. METHOD: 0 cash, 1 card, 2 bank
    // transfer, 3 cheque. RENTID names the contract it settles, when one does.
    return {QStringLiteral("RECEIPT"),
            {key("RECEIPTID"), text("NAME"), date("RECEIPTDATE"), flag("REFUND"), number("CUSTOMERID"),
             text("CUSTOMERNAME"), number("RENTID"), money("AMOUNT"), number("METHOD"), text("REFERENCE"),
             text("COMMENTS"), number("JOURNALID")},
            {index({"CUSTOMERID", "RECEIPTDATE"}), index({"RENTID"}), index({"RECEIPTDATE"})}};
}

QList<TableDef> SchemaTables::carDamage()
{
    // A mark on the car: ZONE is the view it was drawn on (0 top, 1 left side,
    // 2 right side, 3 front, 4 back), POSX/POSY the spot within that view from
    // 0 to 1. KIND: 1 scratch, 2 dent, 3 crack, 4 missing part; SIZE in
    // centimetres. RENTID and FOUNDDATE say on which contract and when it was
    // found; a mark stands until REPAIRED, by MAINTENANCEID's voucher when one did.
    TableDef damage{QStringLiteral("CARDAMAGE"),
                    {key("CARDAMAGEID"), number("CARID"), number("ZONE"), real("POSX"), real("POSY"),
                     number("KIND"), number("SIZE"), text("NOTE"), number("RENTID"), date("FOUNDDATE"),
                     flag("REPAIRED"), date("REPAIREDDATE"), number("MAINTENANCEID")},
                    {index({"CARID", "REPAIRED"}), index({"RENTID"})}};
    TableDef photo{QStringLiteral("CARDAMAGEPHOTO"),
                   {key("CARDAMAGEPHOTOID"), number("CARDAMAGEID"), text("NAME"), blob("PHOTO")},
                   {index({"CARDAMAGEID"})}};
    return {damage, photo};
}

TableDef SchemaTables::fuelRates()
{
    // What one missing eighth of a tank costs, per car type (CARS.CARTYPE).
    return {QStringLiteral("FUELRATE"),
            {key("FUELRATEID"), text("CARTYPE"), money("EIGHTHCHARGE")},
            {index({"CARTYPE"}, true)}};
}
