<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AmountWords</name>
    <message>
        <source>Kuwaiti dinar</source>
        <translation>دينار كويتي</translation>
    </message>
    <message>
        <source>Saudi riyal</source>
        <translation>ريال سعودي</translation>
    </message>
    <message>
        <source>UAE dirham</source>
        <translation>درهم إماراتي</translation>
    </message>
    <message>
        <source>Bahraini dinar</source>
        <translation>دينار بحريني</translation>
    </message>
    <message>
        <source>Omani rial</source>
        <translation>ريال عماني</translation>
    </message>
    <message>
        <source>Qatari riyal</source>
        <translation>ريال قطري</translation>
    </message>
    <message>
        <source>Jordanian dinar</source>
        <translation>دينار أردني</translation>
    </message>
    <message>
        <source>US dollar</source>
        <translation>دولار أمريكي</translation>
    </message>
    <message>
        <source>The amount %1 cannot be written in words: only amounts from 0 up to, but not including, 100,000,000 can be.</source>
        <translation>لا يمكن كتابة المبلغ %1 بالحروف: لا يُكتب بالحروف إلا ما كان من 0 إلى ما دون 100,000,000.</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>%1 is not a backup of an office: it has no schema version.</source>
        <translation>الملف %1 ليس نسخة احتياطية لمكتب: ليس فيه رقم إصدار للمخطط.</translation>
    </message>
    <message>
        <source>%1 was made by a newer program (schema version %2; this one knows up to %3). Restore it with that program.</source>
        <translation>صُنعت النسخة %1 ببرنامج أحدث (إصدار المخطط %2، وهذا البرنامج يعرف حتى %3). استرجعها بذلك البرنامج.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>النسخة %1 تالفة: %2</translation>
    </message>
    <message>
        <source>%1 is not a sound office database: %2</source>
        <translation>الملف %1 ليس قاعدة بيانات مكتب سليمة: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>لا يمكن قراءة %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>لا يمكن الكتابة في %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be copied to %2: %3</source>
        <translation>تعذر نسخ %1 إلى %2: %3</translation>
    </message>
    <message>
        <source>pg_restore is not installed (Debian package postgresql-client).</source>
        <translation>البرنامج pg_restore غير مثبت (حزمة دبيان postgresql-client).</translation>
    </message>
    <message>
        <source>There is no backup file %1.</source>
        <translation>لا يوجد ملف نسخة احتياطية باسم %1.</translation>
    </message>
    <message>
        <source>No folder for checking %1: %2</source>
        <translation>لا يوجد مجلد لفحص %1: %2</translation>
    </message>
    <message>
        <source>The office is on a server (%1): name an empty server database to restore into.</source>
        <translation>المكتب على خادم (%1): سمِّ قاعدة بيانات فارغة على الخادم للاسترجاع فيها.</translation>
    </message>
    <message>
        <source>%1 is a server office&apos;s backup: it goes into an empty server database, not into a file.</source>
        <translation>النسخة %1 لمكتب على خادم: تسترجع في قاعدة بيانات فارغة على الخادم، لا في ملف.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and cannot be created.</source>
        <translation>المجلد %1 غير موجود ولا يمكن إنشاؤه.</translation>
    </message>
    <message>
        <source>%1 has changes not yet written (%2): open the program once and log off, then restore.</source>
        <translation>في %1 تغييرات لم تكتب بعد (%2): افتح البرنامج مرة واخرج منه، ثم استرجع.</translation>
    </message>
    <message>
        <source>%1 could not be kept as %2; nothing was restored.</source>
        <translation>تعذر حفظ %1 باسم %2، ولم يسترجع شيء.</translation>
    </message>
    <message>
        <source>The backup could not be put in place of %1; the database is as it was.</source>
        <translation>تعذر وضع النسخة الاحتياطية مكان %1، وقاعدة البيانات كما كانت.</translation>
    </message>
    <message>
        <source>%1 is not a server database (postgresql://...).</source>
        <translation>%1 ليست قاعدة بيانات على خادم (postgresql://...).</translation>
    </message>
    <message>
        <source>%1 is a file office&apos;s backup: restore it into the office&apos;s file.</source>
        <translation>النسخة %1 لمكتب في ملف: استرجعها في ملف المكتب.</translation>
    </message>
    <message>
        <source>The database %1 already has tables (%2); a backup goes only into an empty database.</source>
        <translation>في قاعدة البيانات %1 جداول من قبل (%2)، والنسخة الاحتياطية لا تسترجع إلا في قاعدة فارغة.</translation>
    </message>
    <message>
        <source>pg_restore could not restore %1 into %2; the database is left empty: %3</source>
        <translation>تعذر على pg_restore استرجاع %1 في %2، وبقيت قاعدة البيانات فارغة: %3</translation>
    </message>
</context>
<context>
    <name>BalanceText</name>
    <message>
        <source>%1 owed by the customer</source>
        <translation>%1 مستحقة على العميل</translation>
    </message>
    <message>
        <source>%1 owed to the customer</source>
        <translation>%1 مستحقة للعميل</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>الحساب مسدد</translation>
    </message>
</context>
<context>
    <name>CarBooking</name>
    <message>
        <source>This car is booked on reservation %1 (%2) from %3 to %4.</source>
        <translation>هذه السيارة محجوزة بالحجز %1 (%2) من %3 إلى %4.</translation>
    </message>
    <message>
        <source>This car is still out on contract %1 (%2) since %3, overdue: it is held until it comes back.</source>
        <translation>هذه السيارة ما زالت مؤجرة بالعقد %1 (%2) منذ %3 وقد تجاوزت موعد إرجاعها: تبقى محجوزة له حتى تعود.</translation>
    </message>
    <message>
        <source>This car is out on contract %1 (%2) from %3 to %4.</source>
        <translation>هذه السيارة مؤجرة بالعقد %1 (%2) من %3 إلى %4.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>الحجز %1 لم يعد موجودًا.</translation>
    </message>
    <message>
        <source>Reservation %1 is no longer booked: only a booked reservation is picked up.</source>
        <translation>الحجز %1 لم يعد قائمًا: لا يُستلم إلا حجز قائم.</translation>
    </message>
    <message>
        <source>Choose the customer (F5) before the pick-up.</source>
        <translation>اختر العميل (F5) قبل الاستلام.</translation>
    </message>
    <message>
        <source>Choose the car (F6) before the pick-up.</source>
        <translation>اختر السيارة (F6) قبل الاستلام.</translation>
    </message>
    <message>
        <source>The agreed return date must come after today.</source>
        <translation>يجب أن يكون تاريخ الإرجاع المتفق عليه بعد اليوم.</translation>
    </message>
    <message>
        <source>The customer or the car of reservation %1 no longer exists.</source>
        <translation>عميل الحجز %1 أو سيارته لم يعد موجودًا.</translation>
    </message>
    <message>
        <source>This car is stopped: it cannot go out.</source>
        <translation>هذه السيارة موقوفة: لا يمكن تأجيرها.</translation>
    </message>
</context>
<context>
    <name>CarDamage</name>
    <message>
        <source>Dent</source>
        <translation>انبعاج</translation>
    </message>
    <message>
        <source>Crack</source>
        <translation>شرخ</translation>
    </message>
    <message>
        <source>Missing part</source>
        <translation>قطعة مفقودة</translation>
    </message>
    <message>
        <source>Scratch</source>
        <translation>خدش</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>الجانب الأيسر</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>الجانب الأيمن</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>الأمام</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>الخلف</translation>
    </message>
    <message>
        <source>From above</source>
        <translation>من الأعلى</translation>
    </message>
</context>
<context>
    <name>DamageSheet</name>
    <message>
        <source>%1. %2, %3</source>
        <translation>%1. %2، %3</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (جديد)</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database %1 is busy on another computer, so the operation was not done. Try again in a moment.</source>
        <translation>قاعدة البيانات %1 مشغولة لدى جهاز آخر، فلم تتم العملية. حاول مرة أخرى بعد قليل.</translation>
    </message>
    <message>
        <source>The database server %1 cannot be reached: %2</source>
        <translation>لا يمكن الوصول إلى خادم قاعدة البيانات %1: %2</translation>
    </message>
    <message>
        <source>The connection to the database server %1 was lost, so the operation was not done. The connection is made again with the next action.</source>
        <translation>انقطع الاتصال بخادم قاعدة البيانات %1، فلم تُنفَّذ العملية. سيُعاد الاتصال مع الإجراء التالي.</translation>
    </message>
    <message>
        <source>The query ran past its time limit and was stopped.</source>
        <translation>تجاوز الاستعلام المدة المسموح بها فأُوقف.</translation>
    </message>
</context>
<context>
    <name>DatabaseFilter</name>
    <message>
        <source>SQLite Database (*.db);;All files (*)</source>
        <translation>قاعدة بيانات SQLite (*.db);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>DayAtAGlance</name>
    <message>
        <source>Car licence</source>
        <translation>ترخيص السيارة</translation>
    </message>
    <message>
        <source>Driving licence</source>
        <translation>رخصة القيادة</translation>
    </message>
    <message>
        <source>Cars out</source>
        <translation>سيارات مؤجرة</translation>
    </message>
    <message>
        <source>Due back today</source>
        <translation>تعود اليوم</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>متأخرة عن موعد العودة</translation>
    </message>
    <message>
        <source>To pick up today</source>
        <translation>حجوزات تُستلم اليوم</translation>
    </message>
    <message>
        <source>Free cars now</source>
        <translation>سيارات متاحة الآن</translation>
    </message>
    <message>
        <source>Cars stopped</source>
        <translation>سيارات موقوفة</translation>
    </message>
    <message>
        <source>Papers expiring</source>
        <translation>وثائق تحتاج إلى تجديد</translation>
    </message>
    <message>
        <source>Rent income this month</source>
        <translation>إيرادات الإيجار هذا الشهر</translation>
    </message>
    <message>
        <source>Customers owe</source>
        <translation>المستحق على العملاء</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>العقد</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>العميل</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>رقم اللوحة</translation>
    </message>
    <message>
        <source>Out on</source>
        <translation>تاريخ الخروج</translation>
    </message>
    <message>
        <source>Due back</source>
        <translation>تاريخ العودة</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>الحجز</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>الجوال</translation>
    </message>
    <message>
        <source>Car type</source>
        <translation>نوع السيارة</translation>
    </message>
    <message>
        <source>Pick-up time</source>
        <translation>وقت الاستلام</translation>
    </message>
    <message>
        <source>Return date</source>
        <translation>تاريخ العودة</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>الصنع</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>الموديل</translation>
    </message>
    <message>
        <source>Daily rent</source>
        <translation>الأجرة اليومية</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>الوثيقة</translation>
    </message>
    <message>
        <source>Car or customer</source>
        <translation>السيارة أو العميل</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>تاريخ الانتهاء</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>القيد</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>المبلغ</translation>
    </message>
    <message>
        <source>Owes</source>
        <translation>المستحق</translation>
    </message>
    <message>
        <source>First insurance</source>
        <translation>التأمين الأول</translation>
    </message>
    <message>
        <source>Second insurance</source>
        <translation>التأمين الثاني</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>المرجع</translation>
    </message>
</context>
<context>
    <name>DayPanel</name>
    <message>
        <source>Today, %1</source>
        <translation>اليوم، %1</translation>
    </message>
</context>
<context>
    <name>F1M0</name>
    <message>
        <source>Archive</source>
        <translation>الأرشيف</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Operations Log</source>
        <translation>سجل العمليات</translation>
    </message>
    <message>
        <source>From Date</source>
        <translation>من تاريخ</translation>
    </message>
    <message>
        <source>To Date</source>
        <translation>إلى تاريخ</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>All Users</source>
        <translation>كل المستخدمين</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>List</source>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
</context>
<context>
    <name>F1M1</name>
    <message>
        <source>Accounting Arch</source>
        <translation>أرشيف الحسابات</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Accounting Entries</source>
        <translation>القيود المحاسبية</translation>
    </message>
    <message>
        <source>From Date</source>
        <translation>من تاريخ</translation>
    </message>
    <message>
        <source>To Date</source>
        <translation>إلى تاريخ</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>All Users</source>
        <translation>كل المستخدمين</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>List</source>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
</context>
<context>
    <name>F2M0</name>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>LoginID</source>
        <translation>اسم الدخول</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>كلمة المرور الحالية</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>كلمة المرور الجديدة</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>كلمة المرور الجديدة مرة أخرى</translation>
    </message>
    <message>
        <source>Favourite screen</source>
        <translation>الشاشة المفضلة</translation>
    </message>
    <message>
        <source>Store password on this workstation</source>
        <translation>حفظ كلمة المرور على هذا الجهاز</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>كلمة المرور الحالية غير صحيحة</source>
        <translation>كلمة المرور الحالية غير صحيحة</translation>
    </message>
</context>
<context>
    <name>F2M1</name>
    <message>
        <source>Users</source>
        <translation>المستخدمون</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>LoginID</source>
        <translation>اسم الدخول</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>كلمة المرور الجديدة</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>كلمة المرور الجديدة مرة أخرى</translation>
    </message>
    <message>
        <source>Favourite screen</source>
        <translation>الشاشة المفضلة</translation>
    </message>
    <message>
        <source>Expires on</source>
        <translation>تنتهي صلاحيته في</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>نسبة الخصم %</translation>
    </message>
    <message>
        <source>Suspended</source>
        <translation>موقوف</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>Users </source>
        <translation>المستخدمون</translation>
    </message>
    <message>
        <source>New User </source>
        <translation>مستخدم جديد</translation>
    </message>
    <message>
        <source>لا يمكن حذف هذه المستخدم فى الوقت الحالى حيث انة الوحيد الموجود بالنظام - يجب ان يحتوى النظام على مستخدم واحد على الاقل</source>
        <translation>لا يمكن حذف هذا المستخدم في الوقت الحالي حيث إنه الوحيد الموجود بالنظام - يجب أن يحتوي النظام على مستخدم واحد على الأقل</translation>
    </message>
</context>
<context>
    <name>F2M2</name>
    <message>
        <source>User rights</source>
        <translation>صلاحيات المستخدمين</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>F1 - Archive</source>
        <translation>F1 - الأرشيف</translation>
    </message>
    <message>
        <source>F2 - Security</source>
        <translation>F2 - الأمان</translation>
    </message>
    <message>
        <source>F3 - Data</source>
        <translation>F3 - البيانات</translation>
    </message>
    <message>
        <source>F4- Accounting</source>
        <translation>F4 - الحسابات</translation>
    </message>
    <message>
        <source>F5- Rent</source>
        <translation>F5 - التأجير</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>1-</source>
        <translation>1-</translation>
    </message>
    <message>
        <source>2-</source>
        <translation>2-</translation>
    </message>
    <message>
        <source>3-</source>
        <translation>3-</translation>
    </message>
    <message>
        <source>4-</source>
        <translation>4-</translation>
    </message>
    <message>
        <source>5-</source>
        <translation>5-</translation>
    </message>
    <message>
        <source>6-</source>
        <translation>6-</translation>
    </message>
    <message>
        <source>7-</source>
        <translation>7-</translation>
    </message>
    <message>
        <source>8-</source>
        <translation>8-</translation>
    </message>
    <message>
        <source>9-</source>
        <translation>9-</translation>
    </message>
    <message>
        <source>Black: allowed. Cyan: refused. A click changes the right.</source>
        <translation>الأسود: مسموح. السماوي: ممنوع. النقر يغيّر الصلاحية.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>System Users</source>
        <translation>مستخدمو النظام</translation>
    </message>
</context>
<context>
    <name>F3M0O</name>
    <message>
        <source>Search for Customer</source>
        <translation>البحث عن عميل</translation>
    </message>
    <message>
        <source>Search Criteria</source>
        <translation>معايير البحث</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Tel:</source>
        <translation>الهاتف:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>نتائج البحث</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>عدد الصفوف</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>InvoiceQr</name>
    <message>
        <source>The seller&apos;s name</source>
        <translation>اسم البائع</translation>
    </message>
    <message>
        <source>The VAT registration number</source>
        <translation>رقم التسجيل في ضريبة القيمة المضافة</translation>
    </message>
    <message>
        <source>The time of issue</source>
        <translation>وقت الإصدار</translation>
    </message>
    <message>
        <source>The total with VAT</source>
        <translation>الإجمالي شاملاً ضريبة القيمة المضافة</translation>
    </message>
    <message>
        <source>The VAT amount</source>
        <translation>مبلغ ضريبة القيمة المضافة</translation>
    </message>
    <message>
        <source>%1 is missing: the QR code of the tax invoice cannot be made without it.</source>
        <translation>%1 غير موجود، ولا يمكن إنشاء رمز QR للفاتورة الضريبية من دونه.</translation>
    </message>
    <message>
        <source>%1 is too long for the QR code of the tax invoice: %2 bytes, at most %3.</source>
        <translation>%1 أطول مما يتسع له رمز QR للفاتورة الضريبية: %2 بايت، والحد الأقصى %3.</translation>
    </message>
    <message>
        <source>The QR code cannot be drawn: %1</source>
        <translation>تعذّر رسم رمز QR: %1</translation>
    </message>
    <message>
        <source>The document is no text document, so the QR code cannot be put into it.</source>
        <translation>المستند ليس مستنداً نصياً، فلا يمكن وضع رمز QR فيه.</translation>
    </message>
</context>
<context>
    <name>LOGINP</name>
    <message>
        <source>Login To Program</source>
        <translation>الدخول إلى البرنامج</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>الدخول</translation>
    </message>
    <message>
        <source>LoginID</source>
        <translation>اسم الدخول</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>قاعدة البيانات</translation>
    </message>
    <message>
        <source>Double-click to choose the database</source>
        <translation>انقر نقرًا مزدوجًا لاختيار قاعدة البيانات</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>ملف الإعدادات</translation>
    </message>
    <message>
        <source>Click to open the file</source>
        <translation>انقر لفتح الملف</translation>
    </message>
    <message>
        <source>Requirements</source>
        <translation>المتطلبات</translation>
    </message>
    <message>
        <source>Minimum requirements</source>
        <translation>الحد الأدنى من المتطلبات</translation>
    </message>
    <message>
        <source>512 MB Ram</source>
        <translation>ذاكرة 512 ميغابايت</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>كلمة السر غير صحيحة</source>
        <translation>كلمة المرور غير صحيحة</translation>
    </message>
    <message>
        <source>DataBase File</source>
        <translation>ملف قاعدة البيانات</translation>
    </message>
</context>
<context>
    <name>LOGINP0</name>
    <message>
        <source>Edit Setting</source>
        <translation>تعديل الإعداد</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <source>أختر قاعدة البيانات</source>
        <translation>اختر قاعدة البيانات</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
</context>
<context>
    <name>LibreOffice</name>
    <message>
        <source>LibreOffice Writer is not installed, so reports cannot be shown or printed. Install the package libreoffice-writer (Debian, Ubuntu: sudo apt-get install libreoffice-writer).</source>
        <translation>برنامج LibreOffice Writer غير مثبت، لذلك لا يمكن عرض التقارير أو طباعتها. ثبّت الحزمة libreoffice-writer (في Debian وUbuntu: sudo apt-get install libreoffice-writer).</translation>
    </message>
    <message>
        <source>LibreOffice could not make the PDF of %1: %2</source>
        <translation>تعذّر على LibreOffice إعداد ملف PDF من %1: %2</translation>
    </message>
    <message>
        <source>LibreOffice could not be started: %1</source>
        <translation>تعذّر تشغيل LibreOffice: %1</translation>
    </message>
    <message>
        <source>LibreOffice took longer than %1 seconds and was stopped.</source>
        <translation>استغرق LibreOffice أكثر من %1 ثانية فأُوقف.</translation>
    </message>
    <message>
        <source>LibreOffice was stopped at your request.</source>
        <translation>أُوقف LibreOffice بناءً على طلبك.</translation>
    </message>
    <message>
        <source>LibreOffice crashed (signal %1).</source>
        <translation>توقف LibreOffice فجأة (الإشارة %1).</translation>
    </message>
    <message>
        <source>LibreOffice crashed (exit status %1).</source>
        <translation>توقف LibreOffice فجأة (رمز الخروج %1).</translation>
    </message>
    <message>
        <source>LibreOffice ended with exit status %1.</source>
        <translation>انتهى LibreOffice برمز الخروج %1.</translation>
    </message>
    <message>
        <source>LibreOffice is making the preview of %1 ...</source>
        <translation>يُعِدّ LibreOffice معاينة %1 ...</translation>
    </message>
    <message>
        <source>LibreOffice ended without writing it.</source>
        <translation>انتهى LibreOffice دون أن يكتبه.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>لا توجد طابعة مُعدّة على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>LibreOffice is printing %1 ...</source>
        <translation>يطبع LibreOffice المستند %1 ...</translation>
    </message>
    <message>
        <source>%1 was not printed: %2 The document is kept as %3.</source>
        <translation>لم يُطبع %1: %2 وقد حُفظ المستند باسم %3.</translation>
    </message>
</context>
<context>
    <name>ListExport</name>
    <message>
        <source>The spreadsheet could not be started.</source>
        <translation>تعذر بدء جدول البيانات.</translation>
    </message>
    <message>
        <source>The spreadsheet could not be named %1.</source>
        <translation>تعذرت تسمية جدول البيانات %1.</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>تصدير القائمة</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx);;CSV, UTF-8 (*.csv)</source>
        <translation>مصنف إكسل (*.xlsx);;ملف CSV بترميز UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>The list could not be written to %1:
%2</source>
        <translation>تعذرت كتابة القائمة في %1:
%2</translation>
    </message>
    <message>
        <source>Export the list...</source>
        <translation>تصدير القائمة...</translation>
    </message>
    <message>
        <source>Export the list to a spreadsheet (%1)</source>
        <translation>تصدير القائمة إلى جدول بيانات (%1)</translation>
    </message>
</context>
<context>
    <name>LoginDatabase</name>
    <message>
        <source>Double-click the database name on the login screen to choose the right file</source>
        <translation>انقر نقرًا مزدوجًا على اسم قاعدة البيانات في شاشة الدخول لاختيار الملف الصحيح</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>قاعدة البيانات</translation>
    </message>
    <message>
        <source>The database was not found:
%1

%2, or create a new one with the command:
%3</source>
        <translation>لم يُعثر على قاعدة البيانات:
%1

%2، أو أنشئ قاعدة جديدة بالأمر:
%3</translation>
    </message>
    <message>
        <source>The database %1 is held by another program or another computer.

Close the program that uses it, then press OK on the login screen again.</source>
        <translation>قاعدة البيانات %1 مقفلة من برنامج آخر أو من جهاز آخر.

أغلق البرنامج الذي يستخدمها ثم اضغط «موافق» في شاشة الدخول مرة أخرى.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid database.

%2, or restore the latest backup from the folder %3.</source>
        <translation>الملف %1 ليس قاعدة بيانات صالحة.

%2، أو استرجع آخر نسخة احتياطية من المجلد %3.</translation>
    </message>
    <message>
        <source>The database %1 could not be opened:
%2

Make sure your user may read and write the file and the folder that holds it, then press OK again.</source>
        <translation>تعذّر فتح قاعدة البيانات %1:
%2

تأكد من أن لمستخدمك صلاحية القراءة والكتابة على الملف وعلى المجلد الذي يحويه، ثم اضغط «موافق» مرة أخرى.</translation>
    </message>
    <message>
        <source>The database %1 could not be read:
%2

Try again in a moment.</source>
        <translation>تعذّرت قراءة قاعدة البيانات %1:
%2

حاول مرة أخرى بعد قليل.</translation>
    </message>
    <message>
        <source>The file %1 is a database, but it does not hold the tables of this program.

%2, or create a new one with the command:
%3</source>
        <translation>الملف %1 قاعدة بيانات، لكنه لا يحوي جداول هذا البرنامج.

%2، أو أنشئ قاعدة جديدة بالأمر:
%3</translation>
    </message>
    <message>
        <source>The database %1 is of version %2, and this program knows the versions up to %3 only.

Do not work on it with this program: install on this computer the newer version of the program that the rest of the office uses.</source>
        <translation>قاعدة البيانات %1 من الإصدار %2، وهذا البرنامج لا يعرف إلا الإصدارات حتى %3.

لا تعمل عليها بهذا البرنامج: ثبّت على هذا الجهاز الإصدار الأحدث من البرنامج الذي يستعمله باقي المكتب.</translation>
    </message>
    <message>
        <source>The database %1 is of version %2 and needs an upgrade, but no copy of it could be taken before the upgrade:
%3

Nothing in it was changed. Free some room on the disk or repair the file, then try again.</source>
        <translation>قاعدة البيانات %1 من الإصدار %2 وتحتاج إلى تحديث، لكن تعذّر أخذ نسخة منها قبل التحديث:
%3

لم يُغيَّر فيها شيء. أفرغ مكانًا على القرص أو أصلح الملف ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>The database %1 could not be upgraded to version %2:
%3

It stays at version %4, and its copy from before the upgrade is kept in:
%5
Tell the person in charge of the program before you go on working.</source>
        <translation>تعذّر تحديث قاعدة البيانات %1 إلى الإصدار %2:
%3

بقيت على الإصدار %4، ونسختها كما كانت قبل التحديث محفوظة في:
%5
أبلغ المسؤول عن البرنامج قبل متابعة العمل.</translation>
    </message>
    <message>
        <source>The database %1 could not be upgraded to version %2:
%3

It stays at version %4. Tell the person in charge of the program before you go on working.</source>
        <translation>تعذّر تحديث قاعدة البيانات %1 إلى الإصدار %2:
%3

بقيت على الإصدار %4. أبلغ المسؤول عن البرنامج قبل متابعة العمل.</translation>
    </message>
    <message>
        <source>The database %1 was upgraded from version %2 to version %3.</source>
        <translation>حُدِّثت قاعدة البيانات %1 من الإصدار %2 إلى الإصدار %3.</translation>
    </message>
    <message>
        <source>Its copy from before the upgrade is kept in:
%1</source>
        <translation>ونسختها كما كانت قبل التحديث محفوظة في:
%1</translation>
    </message>
    <message>
        <source>The SQL functions of the program could not be brought up to date in the database %1:
%2

Log in once as the database&apos;s owner, or ask the server&apos;s administrator.</source>
        <translation>تعذّر تحديث دوال SQL الخاصة بالبرنامج في قاعدة البيانات %1:
%2

سجّل الدخول مرة واحدة بصفتك مالك قاعدة البيانات، أو اطلب ذلك من مسؤول الخادم.</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>رابطًا رمزيًا يدور في حلقة مغلقة</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>رابطًا رمزيًا إلى %1، وهو غير موجود</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>مجلدًا</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>أنبوبًا مسمّى (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>مقبسًا (socket)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>جهازًا</translation>
    </message>
    <message>
        <source>The database %1 is not a file but %2.

%3.</source>
        <translation>المسار %1 ليس ملف قاعدة بيانات: وجدنا في مكانه %2.

%3.</translation>
    </message>
    <message>
        <source>The database %1 lacks the table %2 of this program, so the office cannot work on it.

%3, or restore the latest backup from the folder %4.</source>
        <translation>تفتقد قاعدة البيانات %1 الجدول %2 من جداول البرنامج، فلا يمكن للمكتب العمل عليها.

%3، أو استرجع أحدث نسخة احتياطية من المجلد %4.</translation>
    </message>
    <message>
        <source>The database %1 is read-only for your user: you can look at the office&apos;s records, but nothing you change or add can be saved.

To work on it, give your user the right to write to the file and to its folder, then open the program again.</source>
        <translation>قاعدة البيانات %1 للقراءة فقط بالنسبة إلى مستخدمك: يمكنك الاطلاع على سجلات المكتب، لكن لا يمكن حفظ أي شيء تغيّره أو تضيفه.

للعمل عليها، امنح مستخدمك حق الكتابة في الملف وفي المجلد الذي يحويه، ثم افتح البرنامج من جديد.</translation>
    </message>
</context>
<context>
    <name>MAINT</name>
    <message>
        <source>Ijar</source>
        <translation>إيجار</translation>
    </message>
    <message>
        <source>F1 - Archive</source>
        <translation>F1 - الأرشيف</translation>
    </message>
    <message>
        <source>F2 - Security</source>
        <translation>F2 - الأمان</translation>
    </message>
    <message>
        <source>F3 - Data</source>
        <translation>F3 - البيانات</translation>
    </message>
    <message>
        <source>F4- Accounting</source>
        <translation>F4 - الحسابات</translation>
    </message>
    <message>
        <source>F5- Rent</source>
        <translation>F5 - التأجير</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>قفل الشاشة</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>التذكيرات</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>New mail message</source>
        <translation>رسالة بريد جديدة</translation>
    </message>
    <message>
        <source>Word processor</source>
        <translation>معالج النصوص</translation>
    </message>
    <message>
        <source>Office web site</source>
        <translation>موقع المكتب على الإنترنت</translation>
    </message>
    <message>
        <source>Database program</source>
        <translation>برنامج قواعد البيانات</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>الجداول الحسابية</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>The address of the web site is not set in the options</source>
        <translation>لم يُحدَّد عنوان الموقع على الإنترنت في الإعدادات</translation>
    </message>
    <message>
        <source>Planning Board</source>
        <translation>لوحة التخطيط</translation>
    </message>
    <message>
        <source>Your rights do not include the planning board of the Rent menu.</source>
        <translation>صلاحياتك لا تشمل لوحة التخطيط في قائمة التأجير.</translation>
    </message>
</context>
<context>
    <name>MenuTable</name>
    <message>
        <source>Archive</source>
        <translation>الأرشيف</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>الأمان</translation>
    </message>
    <message>
        <source>Sys Data</source>
        <translation>بيانات النظام</translation>
    </message>
    <message>
        <source>Accounting</source>
        <translation>الحسابات</translation>
    </message>
    <message>
        <source>Rent</source>
        <translation>التأجير</translation>
    </message>
    <message>
        <source>0- Back</source>
        <translation>0- رجوع</translation>
    </message>
    <message>
        <source>1- Operation</source>
        <translation>1- العمليات</translation>
    </message>
    <message>
        <source>2- Accounting</source>
        <translation>2- الحسابات</translation>
    </message>
    <message>
        <source>1- Password</source>
        <translation>1- كلمة المرور</translation>
    </message>
    <message>
        <source>2- Users</source>
        <translation>2- المستخدمون</translation>
    </message>
    <message>
        <source>3- User rights</source>
        <translation>3- صلاحيات المستخدمين</translation>
    </message>
    <message>
        <source>1- Cars</source>
        <translation>1- السيارات</translation>
    </message>
    <message>
        <source>2- Customers</source>
        <translation>2- العملاء</translation>
    </message>
    <message>
        <source>3- Employees</source>
        <translation>3- الموظفون</translation>
    </message>
    <message>
        <source>4- Options</source>
        <translation>4- الإعدادات</translation>
    </message>
    <message>
        <source>1- Car Income</source>
        <translation>1- إيرادات السيارات</translation>
    </message>
    <message>
        <source>2- Gen. Income</source>
        <translation>2- إيرادات عامة</translation>
    </message>
    <message>
        <source>3- Car Expense</source>
        <translation>3- مصروفات السيارات</translation>
    </message>
    <message>
        <source>4- Gen. Expense</source>
        <translation>4- مصروفات عامة</translation>
    </message>
    <message>
        <source>5- Chart of Account</source>
        <translation>5- دليل الحسابات</translation>
    </message>
    <message>
        <source>6- Gen Ledger</source>
        <translation>6- دفتر الأستاذ العام</translation>
    </message>
    <message>
        <source>1- Rent Car</source>
        <translation>1- تأجير سيارة</translation>
    </message>
    <message>
        <source>2- Rent Contracts</source>
        <translation>2- عقود الإيجار</translation>
    </message>
    <message>
        <source>3- Surrend Car</source>
        <translation>3- استلام سيارة</translation>
    </message>
    <message>
        <source>4- Available Cars</source>
        <translation>4- السيارات المتاحة</translation>
    </message>
    <message>
        <source>5- Diary</source>
        <translation>5- المفكرة</translation>
    </message>
    <message>
        <source>6- Customer Msg</source>
        <translation>6- رسائل العملاء</translation>
    </message>
    <message>
        <source>7- Reservations</source>
        <translation>7- الحجوزات</translation>
    </message>
    <message>
        <source>8- Planning Board</source>
        <translation>8- لوحة التخطيط</translation>
    </message>
    <message>
        <source>9- Receipts</source>
        <translation>9- سندات القبض</translation>
    </message>
</context>
<context>
    <name>NumberEdit</name>
    <message>
        <source>This field takes %1.</source>
        <translation>يقبل هذا الحقل %1.</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a whole number from 0 to %1</source>
        <translation>عددًا صحيحًا من 0 إلى %1</translation>
    </message>
    <message>
        <source>a number of at most %1 digits</source>
        <translation>عددًا لا تزيد أرقامه على %1</translation>
    </message>
    <message>
        <source>a number with at most %1 digits before the point and %2 after it</source>
        <translation>عددًا لا يزيد على %1 رقمًا قبل الفاصلة العشرية و%2 بعدها</translation>
    </message>
</context>
<context>
    <name>OdtDocument</name>
    <message>
        <source>Cannot write %1</source>
        <translation>تعذّرت كتابة %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>%1 holds an entry, %2, that unpacks to more than %3 MB; such a document is not opened.</source>
        <translation>يحوي %1 جزءًا هو %2 يزيد حجمه بعد فك الضغط على %3 ميغابايت؛ ولا يُفتح مستند كهذا.</translation>
    </message>
</context>
<context>
    <name>POPcalendar</name>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
</context>
<context>
    <name>POPmessages</name>
    <message>
        <source>Messages From System</source>
        <translation>رسائل من النظام</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Remove this message (it comes back at the next start while it still applies)</source>
        <translation>احذف هذه الرسالة (تعود عند التشغيل التالي ما دام سببها قائماً)</translation>
    </message>
    <message>
        <source>Show no more messages now</source>
        <translation>لا تعرض بقية الرسائل الآن</translation>
    </message>
</context>
<context>
    <name>PictureSlot</name>
    <message>
        <source>Pictures</source>
        <translation>الصور</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read; the picture stored before is kept.</source>
        <translation>تعذّرت قراءة الصورة %1، وبقيت الصورة المحفوظة من قبل.</translation>
    </message>
    <message>
        <source>Double-click to choose a picture, right-click to clear it</source>
        <translation>انقر مرتين لاختيار صورة، وبالزر الأيمن لحذفها</translation>
    </message>
</context>
<context>
    <name>PlanningBoardModel</name>
    <message>
        <source>Free</source>
        <translation>متاحة</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>محجوزة</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>مؤجرة</translation>
    </message>
    <message>
        <source>Due back</source>
        <translation>موعد العودة</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>متأخرة</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>موقوفة</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>صيانة</translation>
    </message>
    <message>
        <source>%1: contract %2, %3, %4 to %5</source>
        <translation>%1: عقد الإيجار %2، %3، من %4 إلى %5</translation>
    </message>
    <message>
        <source>%1: reservation %2, %3, %4 to %5</source>
        <translation>%1: الحجز %2، %3، من %4 إلى %5</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a free day: its state and date</comment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>PrepareSQLStatement</name>
    <message>
        <source>%1 is empty: open a record, or save the new one, first.</source>
        <translation>%1 فارغ: افتح سجلًا، أو احفظ السجل الجديد، أولًا.</translation>
    </message>
</context>
<context>
    <name>QtUI</name>
    <message>
        <source>The program &quot;%1&quot; could not be started: it is not installed on this computer.</source>
        <translation>تعذّر تشغيل البرنامج «%1»: البرنامج غير مثبّت على هذا الجهاز.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: no program on this computer opens it.</source>
        <translation>تعذّر فتح «%1»: لا يوجد على هذا الجهاز برنامج يفتحه.</translation>
    </message>
</context>
<context>
    <name>RentOutChecks</name>
    <message>
        <source>The customer is on the black list.</source>
        <translation>العميل في القائمة السوداء.</translation>
    </message>
    <message>
        <source>Dealings with the customer are stopped.</source>
        <translation>التعامل مع العميل موقوف.</translation>
    </message>
    <message>
        <source>The customer&apos;s driving licence expired on %1.</source>
        <translation>انتهت رخصة قيادة العميل في %1.</translation>
    </message>
    <message>
        <source>The customer&apos;s driving licence expires on %1, before the car is due back on %2.</source>
        <translation>تنتهي رخصة قيادة العميل في %1، قبل موعد عودة السيارة في %2.</translation>
    </message>
    <message>
        <source>The car&apos;s licence expired on %1.</source>
        <translation>انتهى ترخيص السيارة في %1.</translation>
    </message>
    <message>
        <source>The car&apos;s licence expires on %1, before the car is due back on %2.</source>
        <translation>ينتهي ترخيص السيارة في %1، قبل موعد عودتها في %2.</translation>
    </message>
    <message>
        <source>The car&apos;s first insurance expired on %1.</source>
        <translation>انتهى التأمين الأول للسيارة في %1.</translation>
    </message>
    <message>
        <source>The car&apos;s first insurance expires on %1, before the car is due back on %2.</source>
        <translation>ينتهي التأمين الأول للسيارة في %1، قبل موعد عودتها في %2.</translation>
    </message>
    <message>
        <source>The car&apos;s second insurance expired on %1.</source>
        <translation>انتهى التأمين الثاني للسيارة في %1.</translation>
    </message>
    <message>
        <source>The car&apos;s second insurance expires on %1, before the car is due back on %2.</source>
        <translation>ينتهي التأمين الثاني للسيارة في %1، قبل موعد عودتها في %2.</translation>
    </message>
    <message>
        <source>schedule %1</source>
        <translation>الجدول %1</translation>
    </message>
    <message>
        <source>Maintenance &quot;%1&quot; is due on %2.</source>
        <translation>الصيانة «%1» مستحقة في %2.</translation>
    </message>
    <message>
        <source>Maintenance &quot;%1&quot; is due at %2 km; the meter reads %3 km.</source>
        <translation>الصيانة «%1» مستحقة عند %2 كم، وقراءة العداد %3 كم.</translation>
    </message>
    <message>
        <source>Before the car goes out</source>
        <translation>قبل خروج السيارة</translation>
    </message>
    <message>
        <source>The car cannot go out:%1

Only an operator with the right to open the options (Sys Data menu, button 4) may let it go out all the same.</source>
        <translation>لا يمكن أن تخرج السيارة:%1

لا يسمح بخروجها رغم ذلك إلا مستخدم له صلاحية فتح الإعدادات (قائمة بيانات النظام، الزر 4).</translation>
    </message>
    <message>
        <source>Before the car goes out, note:%1

Go on all the same?</source>
        <translation>قبل خروج السيارة، انتبه إلى ما يلي:%1

هل تتابع رغم ذلك؟</translation>
    </message>
    <message>
        <source>%1: the car went out despite: %2</source>
        <translation>%1: خرجت السيارة رغم: %2</translation>
    </message>
    <message>
        <source>Warning passed over</source>
        <translation>تجاوز تحذير</translation>
    </message>
    <message>
        <source>The customer&apos;s ID expired on %1.</source>
        <translation>انتهت هوية العميل في %1.</translation>
    </message>
    <message>
        <source>The customer&apos;s ID expires on %1, before the car is due back on %2.</source>
        <translation>تنتهي هوية العميل في %1، قبل موعد عودة السيارة في %2.</translation>
    </message>
</context>
<context>
    <name>RunState</name>
    <message>
        <source>The database is busy on another computer; waiting…</source>
        <translation>قاعدة البيانات مشغولة لدى جهاز آخر، جارٍ الانتظار…</translation>
    </message>
    <message>
        <source>The database %1 is busy on another computer of the office just now.
Choose OK to wait and try again, or Cancel to give up this operation.</source>
        <translation>قاعدة البيانات %1 مشغولة الآن لدى جهاز آخر في المكتب.
اختر «موافق» للانتظار والمحاولة مرة أخرى، أو «إلغاء» للتراجع عن هذه العملية.</translation>
    </message>
    <message>
        <source>Database busy</source>
        <translation>قاعدة البيانات مشغولة</translation>
    </message>
</context>
<context>
    <name>SCRNlock</name>
    <message>
        <source>Enter Password</source>
        <translation>أدخل كلمة المرور</translation>
    </message>
    <message>
        <source>كلمة المرور غير صحيحه</source>
        <translation>كلمة المرور غير صحيحة</translation>
    </message>
    <message>
        <source>مرور</source>
        <translation>كلمة المرور</translation>
    </message>
</context>
<context>
    <name>SCRNlogoff</name>
    <message>
        <source>Log Off</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>Are you Sure you want to log off?</source>
        <translation>هل أنت متأكد من أنك تريد تسجيل الخروج؟</translation>
    </message>
    <message>
        <source>Backup Database</source>
        <translation>أخذ نسخة احتياطية من قاعدة البيانات</translation>
    </message>
    <message>
        <source>Double-click to choose where the backup goes</source>
        <translation>انقر نقرًا مزدوجًا لاختيار مكان النسخة الاحتياطية</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>أختر مكان التخزين</source>
        <translation>اختر مكان النسخة الاحتياطية</translation>
    </message>
    <message>
        <source>The database itself is damaged:
%1

The copy just taken did not pass the check and was kept as it is under the name:
%2

Do not go on working on this database. Restore the latest sound backup from the folder %3 and call the person in charge of the program.</source>
        <translation>قاعدة البيانات نفسها تالفة:
%1

النسخة التي أُخذت الآن لم تجتز الفحص، وقد حُفظت كما هي باسم:
%2

لا تتابع العمل على قاعدة البيانات هذه. استرجع آخر نسخة احتياطية سليمة من المجلد %3 واتصل بالمسؤول عن البرنامج.</translation>
    </message>
    <message>
        <source>Database damaged</source>
        <translation>قاعدة البيانات تالفة</translation>
    </message>
    <message>
        <source>The database could not be backed up: %1
Do you want to end the program anyway?</source>
        <translation>تعذّر أخذ نسخة احتياطية من قاعدة البيانات: %1
هل تريد إنهاء البرنامج على أي حال؟</translation>
    </message>
    <message>
        <source>The database is on a server: its backups are the server&apos;s task.</source>
        <translation>قاعدة البيانات على خادم: نسخها الاحتياطية من مهام الخادم.</translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation>ا&amp;سترجاع نسخة احتياطية...</translation>
    </message>
    <message>
        <source>Put one of the backups back in place of this database, then end the program</source>
        <translation>أعد إحدى النسخ الاحتياطية مكان قاعدة البيانات هذه، ثم أنهِ البرنامج</translation>
    </message>
    <message>
        <source>A server office&apos;s backup is restored into an empty server database: ijar --restore BACKUP --to URI</source>
        <translation>تسترجع النسخة الاحتياطية لمكتب على خادم في قاعدة بيانات فارغة على الخادم: ijar --restore BACKUP --to URI</translation>
    </message>
    <message>
        <source>Put the backup
%1
of %2 in place of the database
%3?

The database as it is now is kept as
%4
The program then ends; open it again and log in.</source>
        <translation>هل توضع النسخة الاحتياطية
%1
المأخوذة في %2 مكان قاعدة البيانات
%3؟

تحفظ قاعدة البيانات كما هي الآن باسم
%4
ثم ينتهي البرنامج؛ افتحه مرة أخرى وادخل.</translation>
    </message>
    <message>
        <source>The backup is in place. The database that was there is kept as
%1</source>
        <translation>وضعت النسخة الاحتياطية في مكانها. وحفظت قاعدة البيانات التي كانت هناك باسم
%1</translation>
    </message>
</context>
<context>
    <name>ScreenOpener</name>
    <message>
        <source>This screen is not available in this version of the program.</source>
        <translation>هذه الشاشة غير متاحة في هذا الإصدار من البرنامج.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not available in this version of the program.</source>
        <translation>البند «%1» غير متاح في هذا الإصدار من البرنامج.</translation>
    </message>
</context>
<context>
    <name>ScreenRegistry</name>
    <message>
        <source>The screen &quot;%1&quot; is not available in this version</source>
        <translation>الشاشة «%1» غير متاحة في هذا الإصدار</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The folder of the program cannot be written to:
%1

So neither the error log nor the lock file (%2), which keeps two copies from opening the same folder, will be written, and neither the settings nor the backups will be saved.
Give your user the right to write to this folder, or start the program with the option --home and another folder of your own.</source>
        <translation>لا يمكن الكتابة في مجلد البرنامج:
%1

لذلك لن يُكتب سجل الأخطاء ولا ملف القفل (%2) الذي يمنع فتح نسختين على المجلد نفسه، ولن تُحفظ الإعدادات ولا النسخ الاحتياطية.
امنح مستخدمك صلاحية الكتابة على هذا المجلد، أو شغّل البرنامج بالخيار --home مع مجلد آخر تملكه.</translation>
    </message>
    <message>
        <source>Program folder</source>
        <translation>مجلد البرنامج</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read:
%2

%3 will be used if it is there, and the settings file is written anew after the login. Make sure your user may read and write the file.</source>
        <translation>تعذّرت قراءة ملف الإعدادات %1:
%2

سيُستعمل %3 إن وُجد، ويُكتب ملف الإعدادات من جديد بعد الدخول. تأكد من أن لمستخدمك صلاحية القراءة والكتابة على الملف.</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>ملف الإعدادات</translation>
    </message>
    <message>
        <source>The database was not found:
%1

Double-click the database name on the login screen to choose it, or create a new one with the command:
ijar --create-database &quot;%2&quot;</source>
        <translation>لم يُعثر على قاعدة البيانات:
%1

انقر نقرًا مزدوجًا على اسم قاعدة البيانات في شاشة الدخول لاختيارها، أو أنشئ قاعدة جديدة بالأمر:
ijar --create-database &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>قاعدة البيانات</translation>
    </message>
    <message>
        <source>, process number %1</source>
        <translation>، رقم العملية %1</translation>
    </message>
    <message>
        <source>The office is open just now in another copy of the program on the computer &quot;%1&quot;%2, which uses the same folder:
%3

Go to that copy and work on there, or close it and open the program again. If you are sure it no longer runs, delete the file %4 and open the program.</source>
        <translation>المكتب مفتوح الآن في نسخة أخرى من البرنامج على الجهاز «%1»%2، وهي تستعمل المجلد نفسه:
%3

انتقل إلى تلك النسخة وتابع العمل فيها، أو أغلقها ثم افتح البرنامج من جديد. إن كنت متأكدًا أنها لم تعد تعمل فاحذف الملف %4 ثم افتح البرنامج.</translation>
    </message>
    <message>
        <source>Program open</source>
        <translation>البرنامج مفتوح</translation>
    </message>
    <message>
        <source>The disk that holds the folder of the program is full:
%1

So neither the error log nor the lock file (%2), which keeps two copies from opening the same folder, will be written, and neither the settings nor the backups will be saved.
Free some room on that disk (old backups in %3, for one), then open the program again.</source>
        <translation>القرص الذي يحوي مجلد البرنامج ممتلئ:
%1

لذلك لن يُكتب سجل الأخطاء ولا ملف القفل (%2) الذي يمنع فتح نسختين على المجلد نفسه، ولن تُحفظ الإعدادات ولا النسخ الاحتياطية.
أفرغ بعض المساحة على ذلك القرص (النسخ الاحتياطية القديمة في %3 مثلًا)، ثم افتح البرنامج من جديد.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>%1 (this is %2, not a database file)</source>
        <translation>%1 (وجدنا في مكانه %2، لا ملف قاعدة بيانات)</translation>
    </message>
</context>
<context>
    <name>cAccounting</name>
    <message>
        <source>The account %1 is not in the chart of accounts.</source>
        <translation>الحساب %1 غير موجود في دليل الحسابات.</translation>
    </message>
    <message>
        <source>The amount of the ledger rule of %1 (%2) is not a number of 0 or more.</source>
        <translation>مبلغ قاعدة القيد الخاصة بالشاشة %1 (%2) ليس رقمًا يساوي صفرًا أو أكثر.</translation>
    </message>
    <message>
        <source>The account of the ledger rule of %1 (%2) is not a number.</source>
        <translation>حساب قاعدة القيد الخاصة بالشاشة %1 (%2) ليس رقمًا.</translation>
    </message>
    <message>
        <source>Nothing was saved: the posting failed.</source>
        <translation>لم يُحفظ شيء: تعذّر الترحيل.</translation>
    </message>
    <message>
        <source>The ledger rule of %1 gives no %2.</source>
        <translation>قاعدة القيد الخاصة بالشاشة %1 لا تحدد %2.</translation>
    </message>
</context>
<context>
    <name>cDevelper</name>
    <message>
        <source>Window Table for %1</source>
        <translation>جدول الشاشة %1</translation>
    </message>
    <message>
        <source>Please enter at least one row for this screen in _WindowTable</source>
        <translation>أدخل صفًا واحدًا على الأقل لهذه الشاشة في _WindowTable</translation>
    </message>
    <message>
        <source>Every definition row of %1 is replaced by rows made from its controls. Go on?</source>
        <translation>ستُستبدل كل صفوف تعريف %1 بصفوف تُبنى من عناصرها. هل تتابع؟</translation>
    </message>
    <message>
        <source>A definition row of %1 must belong to one of its tables (WINDOWTABLEID). Nothing was stored.</source>
        <translation>يجب أن ينتمي كل سطر من تعريف %1 إلى أحد جداوله (WINDOWTABLEID). لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a column of the table %2. Write a column&apos;s name as the table has it. Nothing was stored.</source>
        <translation>«%1» ليس عمودًا في الجدول %2. اكتب اسم العمود كما هو في الجدول. لم يُحفظ شيء.</translation>
    </message>
</context>
<context>
    <name>cJournal</name>
    <message>
        <source>من السجل</source>
        <translation>من السجل</translation>
    </message>
    <message>
        <source>لا يمكن اظهار بيانات هذه الشاشة</source>
        <translation>لا يمكن إظهار بيانات هذه الشاشة</translation>
    </message>
</context>
<context>
    <name>cPrint</name>
    <message>
        <source>File %1 not found</source>
        <translation>الملف %1 غير موجود</translation>
    </message>
    <message>
        <source>The report stopped: %1</source>
        <translation>توقف التقرير: %1</translation>
    </message>
    <message>
        <source>The report stopped.</source>
        <translation>توقف التقرير.</translation>
    </message>
    <message>
        <source>Report ready: %1</source>
        <translation>التقرير جاهز: %1</translation>
    </message>
    <message>
        <source>The document %1 cannot be read: %2</source>
        <translation>تعذّرت قراءة المستند %1: %2</translation>
    </message>
    <message>
        <source>Filling %1</source>
        <translation>جارٍ ملء %1</translation>
    </message>
    <message>
        <source>%1 places and %2 tables filled</source>
        <translation>مُلئ %1 موضعًا و%2 جدولًا</translation>
    </message>
    <message>
        <source>There is nobody to write to: the list of this report is empty today.</source>
        <translation>لا يوجد من نكتب إليه: قائمة هذا التقرير فارغة اليوم.</translation>
    </message>
    <message>
        <source>Nothing to print.</source>
        <translation>لا يوجد ما يُطبع.</translation>
    </message>
    <message>
        <source>A report&apos;s data step must be a single select statement.</source>
        <translation>يجب أن تكون خطوة البيانات في التقرير جملة استعلام (select) واحدة.</translation>
    </message>
    <message>
        <source>A report&apos;s preparation step may only make its work table tempmessages.</source>
        <translation>لا يجوز لخطوة التحضير في التقرير إلا أن تُنشئ جدول عمله tempmessages.</translation>
    </message>
</context>
<context>
    <name>cReminder</name>
    <message>
        <source>A reminder&apos;s query must be a single select statement.</source>
        <translation>استعلام التذكير يجب أن يكون جملة select واحدة فقط.</translation>
    </message>
    <message>
        <source>The query ran longer than %1 seconds and was stopped.</source>
        <translation>استغرق الاستعلام أكثر من %1 ثانية فأُوقف.</translation>
    </message>
</context>
<context>
    <name>cSecurity</name>
    <message>
        <source>This operator is suspended and cannot log in.</source>
        <translation>هذا المستخدم موقوف ولا يمكنه الدخول.</translation>
    </message>
    <message>
        <source>This operator expired on %1 and cannot log in.</source>
        <translation>انتهت صلاحية هذا المستخدم في %1 ولا يمكنه الدخول.</translation>
    </message>
    <message>
        <source>At least one operator must keep the right to open the users screen and the user rights screen; nothing is changed.</source>
        <translation>يجب أن يبقى مستخدم واحد على الأقل له صلاحية فتح شاشة المستخدمين وشاشة صلاحيات المستخدمين؛ لم يتغير شيء.</translation>
    </message>
</context>
<context>
    <name>cValidation</name>
    <message>
        <source>%1 holds no number: &quot;%2&quot;.</source>
        <translation>لا يحتوي الحقل %1 على عدد: «%2».</translation>
    </message>
    <message>
        <source>%1 takes %2, not %3.</source>
        <translation>يقبل الحقل %1 %2، وليس %3.</translation>
    </message>
    <message>
        <source>%1 holds a character that cannot be stored (such as a null character): remove it.</source>
        <translation>يحتوي الحقل %1 على حرف لا يمكن حفظه (مثل الحرف الفارغ): احذفه.</translation>
    </message>
    <message>
        <source>There is no record on this screen to save. Open one (F9) or make a new one (F8) first.</source>
        <translation>لا يوجد سجل على هذه الشاشة لحفظه. افتح سجلًا (F9) أو أنشئ سجلًا جديدًا (F8) أولًا.</translation>
    </message>
</context>
<context>
    <name>cWindow</name>
    <message>
        <source>This record no longer exists: another user deleted it after you opened it here. Nothing was saved.</source>
        <translation>لم يعد هذا السجل موجودًا: حذفه مستخدم آخر بعد أن فتحته هنا. لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>Another user changed this record after you opened it here, so nothing was saved and their changes are kept.
Read the record again? The changes you typed and did not save will then be lost.</source>
        <translation>عدّل مستخدم آخر هذا السجل بعد أن فتحته هنا، فلم يُحفظ شيء حتى لا تضيع تعديلاته.
هل تريد قراءة السجل من جديد؟ ستضيع عندئذ التعديلات التي كتبتها ولم تُحفظ.</translation>
    </message>
    <message>
        <source>This record will be deleted permenantly, this operation can not be undone, are you sure?</source>
        <translation>سيُحذف هذا السجل نهائيًا ولا يمكن التراجع عن ذلك. هل أنت متأكد؟</translation>
    </message>
    <message>
        <source>Saved at </source>
        <translation>حُفظ في </translation>
    </message>
    <message>
        <source>This record could not be read completely, so saving it would blank what was not read. Nothing was saved: open the record again.</source>
        <translation>تعذّرت قراءة هذا السجل كاملًا، وحفظه سيمحو ما لم يُقرأ منه. لم يُحفظ شيء: افتح السجل مرة أخرى.</translation>
    </message>
    <message>
        <source>Nothing was saved; the screen keeps what you typed. Press Save again.</source>
        <translation>لم يُحفظ شيء، وما زالت الشاشة تحتفظ بما كتبته. اضغط «حفظ» مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>ctrWindowTable</name>
    <message>
        <source>Window Table</source>
        <translation>جدول الشاشة</translation>
    </message>
    <message>
        <source>Screen definition</source>
        <translation>تعريف الشاشة</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>إعادة التوليد</translation>
    </message>
    <message>
        <source>Add new fields</source>
        <translation>إضافة الحقول الجديدة</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>تخزين</translation>
    </message>
    <message>
        <source>Layout snapshot</source>
        <translation>لقطة التخطيط</translation>
    </message>
    <message>
        <source>Combo-box lists</source>
        <translation>قوائم الاختيار</translation>
    </message>
    <message>
        <source>Combo box</source>
        <translation>قائمة الاختيار</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>إعادة التحميل</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>القيم</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>الترتيب</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>الصفوف: %1</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Sys Info</source>
        <translation>معلومات النظام</translation>
    </message>
    <message>
        <source>Animate!</source>
        <translation>تحريك!</translation>
    </message>
    <message>
        <source>About </source>
        <translation>حول </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>النظام: %1</translation>
    </message>
    <message>
        <source>Kernel: %1 %2</source>
        <translation>النواة: %1 %2</translation>
    </message>
    <message>
        <source>Processor: %1</source>
        <translation>المعالج: %1</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>الجهاز: %1</translation>
    </message>
    <message>
        <source>Qt: %1</source>
        <translation>مكتبة Qt: %1</translation>
    </message>
    <message>
        <source>Ijar</source>
        <translation>إيجار</translation>
    </message>
</context>
<context>
    <name>dlgCarDamage</name>
    <message>
        <source>Damage on the car %1</source>
        <translation>أضرار السيارة %1</translation>
    </message>
    <message>
        <source>Car diagram</source>
        <translation>مخطط السيارة</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> سم</translation>
    </message>
    <message>
        <source>Save the mark</source>
        <translation>حفظ العلامة</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>أُصلح</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>تاريخ الاكتشاف</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>الصور</translation>
    </message>
    <message>
        <source>Standing damage</source>
        <translation>الأضرار القائمة</translation>
    </message>
    <message>
        <source>Add a photo…</source>
        <translation>إضافة صورة…</translation>
    </message>
    <message>
        <source>Remove the photo</source>
        <translation>حذف الصورة</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>ال&amp;نوع</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>ال&amp;حجم</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;ملاحظة</translation>
    </message>
    <message>
        <source>Mark the %1 on the %2 repaired? It leaves the car&apos;s standing damage.</source>
        <translation>هل أُصلح الضرر (%1) في %2؟ سيخرج من الأضرار القائمة على السيارة.</translation>
    </message>
    <message>
        <source>Choose a photo of the damage</source>
        <translation>اختر صورة للضرر</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read as a picture; nothing was stored.</source>
        <translation>تعذّرت قراءة الملف %1 صورةً؛ لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>Remove the photo %1 from the damage?</source>
        <translation>هل تُحذف الصورة %1 من الضرر؟</translation>
    </message>
    <message>
        <source>Tab: next view; arrows: move the cross; 1-4: kind; Enter or a click: mark the spot; Delete: take back a new mark</source>
        <translation>Tab: المنظر التالي؛ الأسهم: تحريك المؤشر؛ 1-4: النوع؛ Enter أو النقر: تعليم الموضع؛ Delete: التراجع عن علامة جديدة</translation>
    </message>
    <message>
        <source>Take back the %1 just marked on the %2, with its photos?</source>
        <translation>هل تُلغى العلامة الجديدة (%1) في %2 مع صورها؟</translation>
    </message>
    <message>
        <source>Repaired by</source>
        <translation>أُصلح بموجب</translation>
    </message>
    <message>
        <source>No voucher: repaired as ticked</source>
        <translation>دون سند: إصلاح بالتأشير</translation>
    </message>
    <message>
        <source>Maintenance voucher %1 of %2: %3</source>
        <translation>سند الصيانة %1 بتاريخ %2: %3</translation>
    </message>
    <message>
        <source>Repaired by:</source>
        <translation>أُصلح بموجب:</translation>
    </message>
</context>
<context>
    <name>dlgError</name>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>المصدر:</translation>
    </message>
    <message>
        <source>Form: </source>
        <translation>الشاشة: </translation>
    </message>
    <message>
        <source>Active Control:</source>
        <translation>الحقل النشط: </translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>المستخدم: </translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Print Message</source>
        <translation>طباعة الرسالة</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>سجل الأخطاء</translation>
    </message>
    <message>
        <source>DataBase Messages</source>
        <translation>رسائل قاعدة البيانات</translation>
    </message>
    <message>
        <source>Error #</source>
        <translation>خطأ رقم </translation>
    </message>
    <message>
        <source>This computer has no default printer; the message could not be printed.</source>
        <translation>لا توجد طابعة افتراضية على هذا الجهاز، فتعذّرت طباعة الرسالة.</translation>
    </message>
    <message>
        <source>Printing on the printer &quot;%1&quot; failed.</source>
        <translation>تعذّرت الطباعة على الطابعة «%1».</translation>
    </message>
</context>
<context>
    <name>dlgValidationError</name>
    <message>
        <source>Incomplete Data</source>
        <translation>بيانات غير مكتملة</translation>
    </message>
    <message>
        <source>Go to the Field</source>
        <translation>الذهاب إلى الحقل</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>حفظ رغم ذلك</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>الحقل</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>These rules guard the office&apos;s data: what they list must be put right first.</source>
        <translation>هذه القواعد تحمي بيانات المكتب: يجب تصحيح ما تذكره أولًا.</translation>
    </message>
</context>
<context>
    <name>frmAvailableCars</name>
    <message>
        <source>Available Cars</source>
        <translation>السيارات المتاحة</translation>
    </message>
    <message>
        <source>&amp;Free cars</source>
        <translation>السيارات ال&amp;متاحة</translation>
    </message>
    <message>
        <source>Open the car (Enter)</source>
        <translation>افتح السيارة (Enter)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>رقم اللوحة</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>الصنع</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>الموديل</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Daily rent</source>
        <translation>الأجرة اليومية</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>العداد</translation>
    </message>
    <message>
        <source>Next maintenance</source>
        <translation>الصيانة التالية</translation>
    </message>
</context>
<context>
    <name>frmCars</name>
    <message>
        <source>Cars</source>
        <translation>السيارات</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Car Data</source>
        <translation>بيانات السيارة</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Plate #:</source>
        <translation>رقم اللوحة:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>الموديل:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>الشكل:</translation>
    </message>
    <message>
        <source>Made:</source>
        <translation>الصنع:</translation>
    </message>
    <message>
        <source>Gear:</source>
        <translation>ناقل الحركة:</translation>
    </message>
    <message>
        <source>Motor #</source>
        <translation>رقم المحرك:</translation>
    </message>
    <message>
        <source>Chassis #:</source>
        <translation>رقم الشاصي:</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>العداد:</translation>
    </message>
    <message>
        <source>Fare:</source>
        <translation>الأجرة اليومية:</translation>
    </message>
    <message>
        <source>Car Picture</source>
        <translation>صورة السيارة</translation>
    </message>
    <message>
        <source>Double-click to choose a picture, right-click to clear it</source>
        <translation>انقر مرتين لاختيار صورة، وبالزر الأيمن لحذفها</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>المالك</translation>
    </message>
    <message>
        <source>Name::</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Street Add:</source>
        <translation>الشارع:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>المدينة:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>المحافظة:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>البلد:</translation>
    </message>
    <message>
        <source>Postal Code:</source>
        <translation>الرمز البريدي:</translation>
    </message>
    <message>
        <source>Telephones</source>
        <translation>الهواتف</translation>
    </message>
    <message>
        <source>Telephone 1:</source>
        <translation>الهاتف 1:</translation>
    </message>
    <message>
        <source>Telephone 2:</source>
        <translation>الهاتف 2:</translation>
    </message>
    <message>
        <source>Telephone 3:</source>
        <translation>الهاتف 3:</translation>
    </message>
    <message>
        <source>Mobile:</source>
        <translation>الجوال:</translation>
    </message>
    <message>
        <source>Ext.:</source>
        <translation>التحويلة:</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>الفاكس:</translation>
    </message>
    <message>
        <source>License and Insurance</source>
        <translation>الترخيص والتأمين</translation>
    </message>
    <message>
        <source>License</source>
        <translation>ترخيص السيارة</translation>
    </message>
    <message>
        <source>Traffic:</source>
        <translation>المرور:</translation>
    </message>
    <message>
        <source>License #:</source>
        <translation>رقم الترخيص:</translation>
    </message>
    <message>
        <source>Expiry date:</source>
        <translation>تاريخ الانتهاء:</translation>
    </message>
    <message>
        <source>First Insurance</source>
        <translation>التأمين الأول</translation>
    </message>
    <message>
        <source>Insurance Type:</source>
        <translation>نوع التأمين:</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>اسم الشركة:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>من:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <source>Second Insurance</source>
        <translation>التأمين الثاني</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>الصيانة</translation>
    </message>
    <message>
        <source>Maintenance Data</source>
        <translation>بيانات الصيانة</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>كل (كم)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>كل (يوم)</translation>
    </message>
    <message>
        <source>Meter Last Maintained</source>
        <translation>عداد آخر صيانة</translation>
    </message>
    <message>
        <source>Date Last Maint</source>
        <translation>تاريخ آخر صيانة</translation>
    </message>
    <message>
        <source>Car Pictures</source>
        <translation>صور السيارة</translation>
    </message>
    <message>
        <source>Print in Contract</source>
        <translation>تُطبع في العقد</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <source>Rented</source>
        <translation>مؤجرة</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>موقوفة</translation>
    </message>
    <message>
        <source>Date Entered:</source>
        <translation>تاريخ الإدخال:</translation>
    </message>
    <message>
        <source>Last Rented:</source>
        <translation>آخر تأجير:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Print List F10</source>
        <translation>طباعة القائمة F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source> New Car </source>
        <translation>سيارة جديدة</translation>
    </message>
    <message>
        <source>صورة العضو</source>
        <translation>صورة السيارة</translation>
    </message>
    <message>
        <source>اختر الصورة</source>
        <translation>اختر صورة</translation>
    </message>
    <message>
        <source>Can not delete the car at the time being since car is already rented, Surrend the car first then delete.</source>
        <translation>لا يمكن حذف السيارة الآن لأنها مؤجرة، استلم السيارة أولًا ثم احذفها.</translation>
    </message>
    <message>
        <source>The car&apos;s damage: its diagram, marks and photos</source>
        <translation>أضرار السيارة: مخططها وعلاماتها وصورها</translation>
    </message>
    <message>
        <source>Damage F6</source>
        <translation>الأضرار F6</translation>
    </message>
    <message>
        <source>Save the car first: damage is marked on a stored car.</source>
        <translation>احفظ السيارة أولاً: تُعلَّم الأضرار على سيارة محفوظة.</translation>
    </message>
</context>
<context>
    <name>frmChartOfAccount</name>
    <message>
        <source>Chart of Account</source>
        <translation>دليل الحسابات</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>Acc #:</source>
        <translation>رقم الحساب:</translation>
    </message>
    <message>
        <source>Acc Type:</source>
        <translation>نوع الحساب:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>الرصيد</translation>
    </message>
    <message>
        <source>Debit:</source>
        <translation>مدين:</translation>
    </message>
    <message>
        <source>Credit:</source>
        <translation>دائن:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>الرصيد:</translation>
    </message>
    <message>
        <source>Trial Balance</source>
        <translation>ميزان المراجعة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>New Account </source>
        <translation>حساب جديد</translation>
    </message>
    <message>
        <source>An account number is a whole number.</source>
        <translation>رقم الحساب عدد صحيح بلا كسور.</translation>
    </message>
    <message>
        <source>The account %1 has journal lines, so its number stays.</source>
        <translation>للحساب %1 قيود مرحلة، فلا يتغير رقمه.</translation>
    </message>
    <message>
        <source>The account %1 has journal lines and cannot be deleted.</source>
        <translation>للحساب %1 قيود مرحلة، فلا يمكن حذفه.</translation>
    </message>
</context>
<context>
    <name>frmCustomerMessages</name>
    <message>
        <source>Customer Message</source>
        <translation>رسائل العملاء</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>Message Text</source>
        <translation>نص الرسالة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Print List F10</source>
        <translation>طباعة القائمة F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>الرسائل</translation>
    </message>
    <message>
        <source> New Message  </source>
        <translation>رسالة جديدة</translation>
    </message>
</context>
<context>
    <name>frmCustomers</name>
    <message>
        <source>Customers</source>
        <translation>العملاء</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>البيانات الشخصية</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>اللقب:</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>اسم العائلة</translation>
    </message>
    <message>
        <source>Other Name:</source>
        <translation>اسم آخر:</translation>
    </message>
    <message>
        <source>Other Information</source>
        <translation>معلومات أخرى</translation>
    </message>
    <message>
        <source>Religin:</source>
        <translation>الديانة:</translation>
    </message>
    <message>
        <source>Marital Status:</source>
        <translation>الحالة الاجتماعية:</translation>
    </message>
    <message>
        <source>Refered By:</source>
        <translation>بتوصية من:</translation>
    </message>
    <message>
        <source>Date of Birth:</source>
        <translation>تاريخ الميلاد:</translation>
    </message>
    <message>
        <source>Children:</source>
        <translation>الأولاد:</translation>
    </message>
    <message>
        <source>Spouse:</source>
        <translation>الزوج أو الزوجة:</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>الحساب</translation>
    </message>
    <message>
        <source>Nationality:</source>
        <translation>الجنسية:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>الجنس:</translation>
    </message>
    <message>
        <source>BlackListed</source>
        <translation>في القائمة السوداء</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>موقوف</translation>
    </message>
    <message>
        <source>Date Entered:</source>
        <translation>تاريخ التسجيل:</translation>
    </message>
    <message>
        <source>Last Tran.:</source>
        <translation>آخر معاملة:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>الرصيد:</translation>
    </message>
    <message>
        <source>Identity and Licence</source>
        <translation>الهوية والرخصة</translation>
    </message>
    <message>
        <source>Identity Document</source>
        <translation>وثيقة الهوية</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>ID #:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Issue Place:</source>
        <translation>مكان الإصدار:</translation>
    </message>
    <message>
        <source>Issue Date:</source>
        <translation>تاريخ الإصدار:</translation>
    </message>
    <message>
        <source>Driving License</source>
        <translation>رخصة القيادة</translation>
    </message>
    <message>
        <source>Traffic:</source>
        <translation>المرور:</translation>
    </message>
    <message>
        <source>Expiry date:</source>
        <translation>تاريخ الانتهاء:</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>المنزل</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Street Add:</source>
        <translation>الشارع:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>المدينة:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>المحافظة:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>البلد:</translation>
    </message>
    <message>
        <source>Postal Code:</source>
        <translation>الرمز البريدي:</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>الهاتف</translation>
    </message>
    <message>
        <source>Telephone 1:</source>
        <translation>الهاتف 1:</translation>
    </message>
    <message>
        <source>Telephone 2:</source>
        <translation>الهاتف 2:</translation>
    </message>
    <message>
        <source>Telephone 3:</source>
        <translation>الهاتف 3:</translation>
    </message>
    <message>
        <source>Mobile:</source>
        <translation>الجوال:</translation>
    </message>
    <message>
        <source>Ext.:</source>
        <translation>التحويلة:</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>الفاكس:</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>الإنترنت</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>البريد الإلكتروني:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>الموقع:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>العمل</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>الشركة:</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Dep.:</source>
        <translation>القسم:</translation>
    </message>
    <message>
        <source>Assistant:</source>
        <translation>المساعد:</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>سيارة العمل</translation>
    </message>
    <message>
        <source>Car #:</source>
        <translation>رقم السيارة:</translation>
    </message>
    <message>
        <source>License:</source>
        <translation>الرخصة:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Print List F10</source>
        <translation>طباعة القائمة F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>New Customer </source>
        <translation>عميل جديد</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>Customer Picture</source>
        <translation>صورة العميل</translation>
    </message>
    <message>
        <source>Double-click to choose a picture, right-click to clear it</source>
        <translation>انقر مرتين لاختيار صورة، وبالزر الأيمن لحذفها</translation>
    </message>
    <message>
        <source>صورة العضو</source>
        <translation>صورة العميل</translation>
    </message>
    <message>
        <source>Account balance:</source>
        <translation>رصيد الحساب:</translation>
    </message>
    <message>
        <source>What the ledger holds of him: contracts, deposits kept, receipts and refunds</source>
        <translation>ما يسجله دفتر الأستاذ للعميل: العقود ومبالغ التأمين المخصومة وسندات القبض والمبالغ المردودة</translation>
    </message>
    <message>
        <source>Customer Statement</source>
        <translation>كشف حساب العميل</translation>
    </message>
    <message>
        <source>Statement F6</source>
        <translation>كشف الحساب F6</translation>
    </message>
    <message>
        <source>This office has no customer statement among its documents.</source>
        <translation>لا يوجد كشف حساب العميل بين تقارير هذا المكتب.</translation>
    </message>
    <message>
        <source>ID expiry date:</source>
        <translation>تاريخ انتهاء الهوية:</translation>
    </message>
</context>
<context>
    <name>frmDayList</name>
    <message>
        <source>Open (Enter)</source>
        <translation>فتح (Enter)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>%1 (rows: %2)</source>
        <translation>%1 (عدد السجلات: %2)</translation>
    </message>
    <message>
        <source>No screen shows the record of this row.</source>
        <translation>لا توجد شاشة تعرض سجل هذا السطر.</translation>
    </message>
</context>
<context>
    <name>frmEmployee</name>
    <message>
        <source>Employees</source>
        <translation>الموظفون</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>البيانات الشخصية</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>الهوية</translation>
    </message>
    <message>
        <source>ID Number:</source>
        <translation>رقم الهوية:</translation>
    </message>
    <message>
        <source>Issued From:</source>
        <translation>جهة الإصدار:</translation>
    </message>
    <message>
        <source>Date of Birth:</source>
        <translation>تاريخ الميلاد:</translation>
    </message>
    <message>
        <source>Birth Place:</source>
        <translation>مكان الميلاد:</translation>
    </message>
    <message>
        <source>Family and Service</source>
        <translation>الأسرة والخدمة العسكرية</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>الجنس:</translation>
    </message>
    <message>
        <source>Marital Status:</source>
        <translation>الحالة الاجتماعية:</translation>
    </message>
    <message>
        <source>Children:</source>
        <translation>الأولاد:</translation>
    </message>
    <message>
        <source>Military Service:</source>
        <translation>الخدمة العسكرية:</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>التعليم</translation>
    </message>
    <message>
        <source>Qualification:</source>
        <translation>المؤهل:</translation>
    </message>
    <message>
        <source>Major:</source>
        <translation>التخصص:</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>الاتصال</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>Home Phone:</source>
        <translation>هاتف المنزل:</translation>
    </message>
    <message>
        <source>Nearest Phone:</source>
        <translation>هاتف آخر:</translation>
    </message>
    <message>
        <source>Mobile:</source>
        <translation>الجوال:</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>البيانات الوظيفية</translation>
    </message>
    <message>
        <source>Employment</source>
        <translation>الوظيفة</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>القسم:</translation>
    </message>
    <message>
        <source>Job Title:</source>
        <translation>المسمى الوظيفي:</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>القطاع:</translation>
    </message>
    <message>
        <source>Time Card No:</source>
        <translation>رقم بطاقة الدوام:</translation>
    </message>
    <message>
        <source>Is Manager</source>
        <translation>مدير</translation>
    </message>
    <message>
        <source>Direct Manager:</source>
        <translation>المدير المباشر:</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>التواريخ</translation>
    </message>
    <message>
        <source>Join Date:</source>
        <translation>تاريخ الالتحاق:</translation>
    </message>
    <message>
        <source>Hire Date:</source>
        <translation>تاريخ التعيين:</translation>
    </message>
    <message>
        <source>Termination Date:</source>
        <translation>تاريخ انتهاء الخدمة:</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>المقاسات</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>المقاس الفعلي</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>الطول:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>الوزن:</translation>
    </message>
    <message>
        <source>International</source>
        <translation>المقاسات الدولية</translation>
    </message>
    <message>
        <source>Dress:</source>
        <translation>الزي:</translation>
    </message>
    <message>
        <source>Glove:</source>
        <translation>القفاز:</translation>
    </message>
    <message>
        <source>Hat:</source>
        <translation>القبعة:</translation>
    </message>
    <message>
        <source>Pants:</source>
        <translation>البنطال:</translation>
    </message>
    <message>
        <source>Jacket:</source>
        <translation>السترة:</translation>
    </message>
    <message>
        <source>Shirt:</source>
        <translation>القميص:</translation>
    </message>
    <message>
        <source>Shoe:</source>
        <translation>الحذاء:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مقاسات التفصيل</translation>
    </message>
    <message>
        <source>Chest:</source>
        <translation>الصدر:</translation>
    </message>
    <message>
        <source>Head:</source>
        <translation>الرأس:</translation>
    </message>
    <message>
        <source>Neck:</source>
        <translation>الرقبة:</translation>
    </message>
    <message>
        <source>Shoulder:</source>
        <translation>الكتفان:</translation>
    </message>
    <message>
        <source>Waist:</source>
        <translation>الخصر:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>Employee Picture</source>
        <translation>صورة الموظف</translation>
    </message>
    <message>
        <source>Double-click to choose a picture, right-click to clear it</source>
        <translation>انقر مرتين لاختيار صورة، وبالزر الأيمن لحذفها</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Print List F10</source>
        <translation>طباعة القائمة F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>New Employee </source>
        <translation>موظف جديد</translation>
    </message>
    <message>
        <source>صورة العضو</source>
        <translation>صورة الموظف</translation>
    </message>
</context>
<context>
    <name>frmGLEntry</name>
    <message>
        <source>GL Entry</source>
        <translation>قيد يومية</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>القيد</translation>
    </message>
    <message>
        <source>Entry Details:</source>
        <translation>بيانات القيد:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <source>From Acct:</source>
        <translation>من حساب:</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>المرجع:</translation>
    </message>
    <message>
        <source>To Acct:</source>
        <translation>إلى حساب:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>المبلغ:</translation>
    </message>
    <message>
        <source>Narrative</source>
        <translation>البيان</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source> Accounting Entries</source>
        <translation>القيود المحاسبية</translation>
    </message>
    <message>
        <source>New GL Entry</source>
        <translation>قيد يومية جديد</translation>
    </message>
    <message>
        <source>%1 holds no account number.</source>
        <translation>لا يحوي الحقل %1 رقم حساب.</translation>
    </message>
    <message>
        <source>This journal was posted by a ledger rule in several pairs; change it on the screen that posted it.</source>
        <translation>رُحّل هذا القيد بقاعدة قيد في عدة أزواج؛ عدّله من الشاشة التي رحّلته.</translation>
    </message>
    <message>
        <source>The amount of an entry is a number above 0.</source>
        <translation>مبلغ القيد رقم أكبر من صفر.</translation>
    </message>
</context>
<context>
    <name>frmGeneralN</name>
    <message>
        <source>New Record</source>
        <translation>سجل جديد</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>frmGeneralOpen</name>
    <message>
        <source>Open Record</source>
        <translation>فتح سجل</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>السجلات</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Record Number</source>
        <translation>رقم السجل</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Records Listed</source>
        <translation>عدد السجلات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
</context>
<context>
    <name>frmMessageList</name>
    <message>
        <source>Messages From System</source>
        <translation>رسائل من النظام</translation>
    </message>
    <message>
        <source>&amp;Queued messages</source>
        <translation>ال&amp;رسائل المنتظرة</translation>
    </message>
    <message>
        <source>Open the record (Enter)</source>
        <translation>افتح السجل (Enter)</translation>
    </message>
    <message>
        <source>Do not show again (Delete)</source>
        <translation>لا تعرضها مجدداً (Delete)</translation>
    </message>
    <message>
        <source>Show one by one</source>
        <translation>اعرضها واحدة واحدة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>Queued on</source>
        <translation>تاريخ الإدراج</translation>
    </message>
    <message>
        <source>This message is about no record that a screen could open.</source>
        <translation>لا تخص هذه الرسالة سجلاً يمكن فتحه في شاشة.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>السجل المعني</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General settings of the office</source>
        <translation>إعدادات المكتب العامة</translation>
    </message>
    <message>
        <source>System Messages</source>
        <translation>رسائل النظام</translation>
    </message>
    <message>
        <source>Store DataBase Messages</source>
        <translation>حفظ رسائل قاعدة البيانات</translation>
    </message>
    <message>
        <source>Display Field Name</source>
        <translation>عرض اسم الحقل</translation>
    </message>
    <message>
        <source>Display Screen Name</source>
        <translation>عرض اسم الشاشة</translation>
    </message>
    <message>
        <source>Extra Meters</source>
        <translation>الكيلومترات الزائدة</translation>
    </message>
    <message>
        <source>Percentage:</source>
        <translation>نسبة من الأجرة اليومية لكل كم زائد (%):</translation>
    </message>
    <message>
        <source>Amount Text Options</source>
        <translation>تفقيط المبالغ</translation>
    </message>
    <message>
        <source>Fraction Name:</source>
        <translation>اسم الكسر:</translation>
    </message>
    <message>
        <source>One Unit:</source>
        <translation>المفرد:</translation>
    </message>
    <message>
        <source>Two Units:</source>
        <translation>المثنى:</translation>
    </message>
    <message>
        <source>Units:</source>
        <translation>الجمع:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>Currency Suffix:</source>
        <translation>رمز العملة بعد المبالغ:</translation>
    </message>
    <message>
        <source>Extra kilometre price (%1):</source>
        <translation>سعر الكيلومتر الزائد (%1):</translation>
    </message>
    <message>
        <source>Extra kilometre price:</source>
        <translation>سعر الكيلومتر الزائد:</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>الحجوزات</translation>
    </message>
    <message>
        <source>Hours a car is kept free between two rentals:</source>
        <translation>ساعات تبقى فيها السيارة شاغرة بين تأجيرين:</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>التواريخ</translation>
    </message>
    <message>
        <source>Show the Hijri date beside the Gregorian one</source>
        <translation>إظهار التاريخ الهجري بجانب التاريخ الميلادي</translation>
    </message>
    <message>
        <source>Currency of amounts in words:</source>
        <translation>عملة تفقيط المبالغ:</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>ضريبة القيمة المضافة</translation>
    </message>
    <message>
        <source>Value-added tax</source>
        <translation>ضريبة القيمة المضافة</translation>
    </message>
    <message>
        <source>Charge VAT on rent, extra kilometres and other amounts, and issue tax invoices</source>
        <translation>احتساب ضريبة القيمة المضافة على الإيجار والكيلومترات الزائدة والمبالغ الأخرى، وإصدار الفواتير الضريبية</translation>
    </message>
    <message>
        <source>VAT rate (%):</source>
        <translation>نسبة الضريبة (٪):</translation>
    </message>
    <message>
        <source>Tax registration number:</source>
        <translation>الرقم الضريبي:</translation>
    </message>
    <message>
        <source>Seller name in Arabic:</source>
        <translation>اسم البائع بالعربية:</translation>
    </message>
    <message>
        <source>Seller name in English:</source>
        <translation>اسم البائع بالإنجليزية:</translation>
    </message>
    <message>
        <source>A Saudi registration number: 15 digits, beginning and ending with 3.</source>
        <translation>رقم تسجيل سعودي: 15 رقماً يبدأ بالرقم 3 وينتهي به.</translation>
    </message>
    <message>
        <source>Not the form of a Saudi registration (15 digits, beginning and ending with 3): check it, unless the office is registered in another country.</source>
        <translation>ليس على صيغة الرقم الضريبي السعودي (15 رقماً تبدأ بالرقم 3 وتنتهي به): راجعه، ما لم يكن المكتب مسجلاً في بلد آخر.</translation>
    </message>
    <message>
        <source>The VAT rate is a percentage above 0 and below 100, such as 15 or 5.</source>
        <translation>نسبة ضريبة القيمة المضافة نسبة مئوية أكبر من 0 وأقل من 100، مثل 15 أو 5.</translation>
    </message>
    <message>
        <source>A tax invoice carries the office&apos;s tax registration number: write it, or turn VAT off.</source>
        <translation>تحمل الفاتورة الضريبية الرقم الضريبي للمكتب: اكتبه، أو أوقف ضريبة القيمة المضافة.</translation>
    </message>
    <message>
        <source>A tax invoice carries the seller&apos;s name: write it in Arabic, in English or in both, or turn VAT off.</source>
        <translation>تحمل الفاتورة الضريبية اسم البائع: اكتبه بالعربية أو بالإنجليزية أو بكلتيهما، أو أوقف ضريبة القيمة المضافة.</translation>
    </message>
    <message>
        <source>The seller&apos;s name is too long for the QR code of the tax invoice: shorten it to at most %1 letters.</source>
        <translation>اسم البائع أطول مما يتسع له رمز QR في الفاتورة الضريبية: اختصره إلى %1 حرفاً على الأكثر.</translation>
    </message>
    <message>
        <source>The tax registration number %1 is not in the form of a Saudi registration (15 digits, beginning and ending with 3). Save it as it is, for an office registered in another country?</source>
        <translation>الرقم الضريبي %1 ليس على صيغة الرقم السعودي (15 رقماً تبدأ بالرقم 3 وتنتهي به). هل تحفظه كما هو لمكتب مسجل في بلد آخر؟</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>القوائم</translation>
    </message>
    <message>
        <source>Open an exported list in LibreOffice Calc</source>
        <translation>افتح القائمة المصدّرة في ليبر أوفيس كالك</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>الوقود</translation>
    </message>
    <message>
        <source>Charge per missing eighth of the tank, by car type</source>
        <translation>قيمة كل ثُمن ناقص من خزان الوقود، حسب نوع السيارة</translation>
    </message>
    <message>
        <source>The fleet has no car types yet.</source>
        <translation>لا توجد أنواع سيارات في الأسطول بعد.</translation>
    </message>
    <message>
        <source>The fuel charge of %1 is an amount of 0 or more, such as 12.5; &quot;%2&quot; is not.</source>
        <translation>قيمة الوقود لنوع %1 مبلغ لا يقل عن 0، مثل 12.5؛ و«%2» ليس كذلك.</translation>
    </message>
    <message>
        <source>Charge per eighth</source>
        <translation>قيمة الثُّمن</translation>
    </message>
</context>
<context>
    <name>frmPlanningBoard</name>
    <message>
        <source>Planning Board</source>
        <translation>لوحة التخطيط</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>الأيام</translation>
    </message>
    <message>
        <source>Car &amp;type</source>
        <translation>نوع السيارة</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>الصنع</translation>
    </message>
    <message>
        <source>&amp;Free only</source>
        <translation>&amp;المتاحة فقط</translation>
    </message>
    <message>
        <source>Only the cars free on every day shown</source>
        <translation>السيارات المتاحة في كل الأيام المعروضة فقط</translation>
    </message>
    <message>
        <source>Earlier week (PgUp)</source>
        <translation>الأسبوع السابق (PgUp)</translation>
    </message>
    <message>
        <source>From today</source>
        <translation>من اليوم</translation>
    </message>
    <message>
        <source>Later week (PgDn)</source>
        <translation>الأسبوع التالي (PgDn)</translation>
    </message>
    <message>
        <source>Board of cars and days</source>
        <translation>لوحة السيارات والأيام</translation>
    </message>
    <message>
        <source>Open or book (Enter)</source>
        <translation>افتح أو احجز (Enter)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 أيام</translation>
    </message>
    <message>
        <source>14 days</source>
        <translation>14 يومًا</translation>
    </message>
    <message>
        <source>31 days</source>
        <translation>31 يومًا</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>كل الأنواع</translation>
    </message>
    <message>
        <source>All makes</source>
        <translation>كل أنواع الصنع</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>من %1 إلى %2</translation>
    </message>
    <message>
        <source>Rent Contracts</source>
        <translation>عقود الإيجار</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>الحجوزات</translation>
    </message>
    <message>
        <source>The car %1 is not free on %2: %3.</source>
        <translation>السيارة %1 غير متاحة يوم %2: %3.</translation>
    </message>
    <message>
        <source>The car %1 is not free on every day from %2 to %3.</source>
        <translation>السيارة %1 غير متاحة في كل الأيام من %2 إلى %3.</translation>
    </message>
    <message>
        <source>The folder %1 for the printed board could not be made.</source>
        <translation>تعذّر إنشاء المجلد %1 للوحة المطبوعة.</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Available Reports</source>
        <translation>التقارير المتاحة</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>من:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>إلى:</translation>
    </message>
    <message>
        <source>Select print option</source>
        <translation>اختر طريقة الطباعة</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>الشاشة</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>الطابعة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>&amp;Edit Template</source>
        <translation>&amp;تعديل القالب</translation>
    </message>
    <message>
        <source>&amp;Writer</source>
        <translation>&amp;Writer</translation>
    </message>
    <message>
        <source>The filled document is kept as %1</source>
        <translation>المستند المعبأ محفوظ باسم %1</translation>
    </message>
    <message>
        <source>%1 went to the printer.</source>
        <translation>أُرسل %1 إلى الطابعة.</translation>
    </message>
    <message>
        <source>Making the preview of %1</source>
        <translation>جارٍ إعداد معاينة %1</translation>
    </message>
</context>
<context>
    <name>frmReceipt</name>
    <message>
        <source>Receipt</source>
        <translation>سند قبض</translation>
    </message>
    <message>
        <source>Receipts and Refunds</source>
        <translation>سندات القبض ورد المبالغ</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <source>Statement:</source>
        <translation>البيان:</translation>
    </message>
    <message>
        <source>Customer #:</source>
        <translation>رقم العميل:</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>العميل</translation>
    </message>
    <message>
        <source>F5- Customer</source>
        <translation>F5- العميل</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>العميل:</translation>
    </message>
    <message>
        <source>His balance:</source>
        <translation>رصيده:</translation>
    </message>
    <message>
        <source>Contract #:</source>
        <translation>رقم العقد:</translation>
    </message>
    <message>
        <source>His contracts</source>
        <translation>عقود العميل</translation>
    </message>
    <message>
        <source>F6- Contract</source>
        <translation>F6- العقد</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>المبلغ:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>المرجع:</translation>
    </message>
    <message>
        <source>Card slip, transfer or cheque number</source>
        <translation>رقم إيصال البطاقة أو التحويل أو الشيك</translation>
    </message>
    <message>
        <source>Refund: money paid back to the customer</source>
        <translation>رد مبلغ: مال يُعاد إلى العميل</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Print List F10</source>
        <translation>طباعة القائمة F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>New Receipt</source>
        <translation>سند قبض جديد</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>نقدًا</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>بطاقة</translation>
    </message>
    <message>
        <source>Bank transfer</source>
        <translation>تحويل بنكي</translation>
    </message>
    <message>
        <source>Cheque</source>
        <translation>شيك</translation>
    </message>
    <message>
        <source>Not one of this customer&apos;s contracts</source>
        <translation>ليس من عقود هذا العميل</translation>
    </message>
    <message>
        <source>%1, returned; remainder %2</source>
        <translation>%1، منتهي؛ الباقي %2</translation>
    </message>
    <message>
        <source>%1, still out</source>
        <translation>%1، ما زالت السيارة مؤجرة</translation>
    </message>
    <message>
        <source>Choose the customer first (F5).</source>
        <translation>اختر العميل أولًا (F5).</translation>
    </message>
    <message>
        <source>Contract #</source>
        <translation>رقم العقد</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>العقد</translation>
    </message>
    <message>
        <source>Plate #</source>
        <translation>رقم اللوحة</translation>
    </message>
    <message>
        <source>Out on</source>
        <translation>تاريخ الخروج</translation>
    </message>
    <message>
        <source>Returned</source>
        <translation>منتهي</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>مفتوح</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>الباقي</translation>
    </message>
    <message>
        <source>Contracts of %1</source>
        <translation>عقود %1</translation>
    </message>
    <message>
        <source>There is no customer number %1: choose him with F5.</source>
        <translation>لا يوجد عميل بالرقم %1: اختره بالمفتاح F5.</translation>
    </message>
    <message>
        <source>Contract %1 is not one of this customer&apos;s: choose it with F6, or leave it empty.</source>
        <translation>العقد %1 ليس من عقود هذا العميل: اختر العقد بالمفتاح F6، أو اترك الحقل فارغًا.</translation>
    </message>
    <message>
        <source>Receipt %1 has tax invoice %2 and stays; record a refund instead.</source>
        <translation>للسند %1 فاتورة ضريبية رقم %2 فلا يُحذف؛ سجّل رد مبلغ بدلًا من ذلك.</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>Diary</source>
        <translation>المفكرة</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Diary Data</source>
        <translation>بيانات المفكرة</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التكرار</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>Reminder Data</source>
        <translation>بيانات التذكير</translation>
    </message>
    <message>
        <source>1 active, 0 off</source>
        <translation>1 فعال، 0 متوقف</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>Rent Contracts </source>
        <translation>عقود الإيجار</translation>
    </message>
    <message>
        <source>New Message </source>
        <translation>رسالة جديدة</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>الاستعلام</translation>
    </message>
    <message>
        <source>One select statement; each row it gives is a reminder, its first column added to the name.</source>
        <translation>جملة select واحدة؛ كل صف تعيده تذكير، ويضاف عموده الأول إلى الاسم.</translation>
    </message>
    <message>
        <source>Active (1) or off (0)</source>
        <translation>مفعّلة (1) أو موقوفة (0)</translation>
    </message>
</context>
<context>
    <name>frmRentCar</name>
    <message>
        <source>Rent Car</source>
        <translation>تأجير سيارة</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Rent Data</source>
        <translation>بيانات الإيجار</translation>
    </message>
    <message>
        <source>Rentor Data</source>
        <translation>بيانات المستأجر</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>العميل</translation>
    </message>
    <message>
        <source>F5- Customer</source>
        <translation>F5- العميل</translation>
    </message>
    <message>
        <source>Customer #:</source>
        <translation>رقم العميل:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>اللقب:</translation>
    </message>
    <message>
        <source>ID Type:</source>
        <translation>نوع الهوية:</translation>
    </message>
    <message>
        <source>ID #:</source>
        <translation>رقم الهوية:</translation>
    </message>
    <message>
        <source>Issue Place:</source>
        <translation>مكان الإصدار:</translation>
    </message>
    <message>
        <source>Issue Date:</source>
        <translation>تاريخ الإصدار:</translation>
    </message>
    <message>
        <source>License #:</source>
        <translation>رقم الرخصة:</translation>
    </message>
    <message>
        <source>Expiry date:</source>
        <translation>انتهاء الرخصة:</translation>
    </message>
    <message>
        <source>License Issue Place:</source>
        <translation>مكان إصدار الرخصة:</translation>
    </message>
    <message>
        <source>Nationality:</source>
        <translation>الجنسية:</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>الشركة:</translation>
    </message>
    <message>
        <source>Street Add:</source>
        <translation>الشارع:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>المدينة:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>المحافظة:</translation>
    </message>
    <message>
        <source>Car Data:</source>
        <translation>بيانات السيارة:</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>السيارات</translation>
    </message>
    <message>
        <source>F6 - Cars</source>
        <translation>F6 - السيارات</translation>
    </message>
    <message>
        <source>Car #:</source>
        <translation>رقم السيارة:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>نوع السيارة:</translation>
    </message>
    <message>
        <source>Plate #:</source>
        <translation>رقم اللوحة:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>الموديل:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>عداد الخروج:</translation>
    </message>
    <message>
        <source>Telephones:</source>
        <translation>الهواتف:</translation>
    </message>
    <message>
        <source>Tel 1:</source>
        <translation>هاتف 1:</translation>
    </message>
    <message>
        <source>Tel 2:</source>
        <translation>هاتف 2:</translation>
    </message>
    <message>
        <source>Tel 3:</source>
        <translation>هاتف 3:</translation>
    </message>
    <message>
        <source>Mobile:</source>
        <translation>الجوال:</translation>
    </message>
    <message>
        <source>Ext.:</source>
        <translation>التحويلة:</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>الفاكس:</translation>
    </message>
    <message>
        <source>Exit Date:</source>
        <translation>تاريخ الخروج:</translation>
    </message>
    <message>
        <source>Exit Time:</source>
        <translation>وقت الخروج:</translation>
    </message>
    <message>
        <source>Period (days):</source>
        <translation>المدة (أيام):</translation>
    </message>
    <message>
        <source>Return Date:</source>
        <translation>تاريخ العودة:</translation>
    </message>
    <message>
        <source>Daily Rent:</source>
        <translation>الأجرة اليومية:</translation>
    </message>
    <message>
        <source>In words:</source>
        <translation>كتابةً:</translation>
    </message>
    <message>
        <source>Insurance:</source>
        <translation>مبلغ التأمين:</translation>
    </message>
    <message>
        <source>Open Meter</source>
        <translation>عداد مفتوح</translation>
    </message>
    <message>
        <source>Print Comments In Contract</source>
        <translation>طباعة الملاحظات في العقد</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Surrend Data</source>
        <translation>بيانات الاستلام</translation>
    </message>
    <message>
        <source>Surrend Data:</source>
        <translation>بيانات الاستلام:</translation>
    </message>
    <message>
        <source>Return Time:</source>
        <translation>وقت العودة:</translation>
    </message>
    <message>
        <source>Return Meter:</source>
        <translation>عداد العودة:</translation>
    </message>
    <message>
        <source>Allowed:</source>
        <translation>المسموح:</translation>
    </message>
    <message>
        <source>Difference:</source>
        <translation>الفرق:</translation>
    </message>
    <message>
        <source>Kilo Diff</source>
        <translation>قيمة الكيلومترات الزائدة</translation>
    </message>
    <message>
        <source>Rent Amount</source>
        <translation>قيمة الإيجار</translation>
    </message>
    <message>
        <source>Other Amounts</source>
        <translation>مبالغ أخرى</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>الإجمالي:</translation>
    </message>
    <message>
        <source>Paid:</source>
        <translation>المدفوع:</translation>
    </message>
    <message>
        <source>Remainder:</source>
        <translation>الباقي:</translation>
    </message>
    <message>
        <source>Car Surrended</source>
        <translation>تم استلام السيارة</translation>
    </message>
    <message>
        <source>Exit Meter:</source>
        <translation>عداد الخروج:</translation>
    </message>
    <message>
        <source>Surrender Notes:</source>
        <translation>ملاحظات الاستلام:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Print List F10</source>
        <translation>طباعة القائمة F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>Rent Contracts</source>
        <translation>عقود الإيجار</translation>
    </message>
    <message>
        <source>New Contract </source>
        <translation>عقد جديد</translation>
    </message>
    <message>
        <source>Surrend Car</source>
        <translation>استلام سيارة</translation>
    </message>
    <message>
        <source>This car is already out on contract %1 (%2). Pick another car.</source>
        <translation>هذه السيارة مؤجرة بالعقد %1 (%2). اختر سيارة أخرى.</translation>
    </message>
    <message>
        <source>The contract was not saved: its posting to the ledger failed.</source>
        <translation>لم يُحفظ العقد: تعذّر ترحيله إلى دفتر الأستاذ.</translation>
    </message>
    <message>
        <source>The return meter (%1) is below the exit meter (%2).</source>
        <translation>عداد العودة (%1) أقل من عداد الخروج (%2).</translation>
    </message>
    <message>
        <source>A surrendered car needs its actual return date, on or after the exit date.</source>
        <translation>السيارة المستلَمة تحتاج إلى تاريخ عودتها الفعلي، في يوم الخروج أو بعده.</translation>
    </message>
    <message>
        <source>Contract %1</source>
        <translation>العقد %1</translation>
    </message>
    <message>
        <source>Customer&apos;s balance:</source>
        <translation>رصيد العميل:</translation>
    </message>
    <message>
        <source>Deposit taken:</source>
        <translation>التأمين المستلم:</translation>
    </message>
    <message>
        <source>Paid by:</source>
        <translation>طريقة الدفع:</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>المرجع:</translation>
    </message>
    <message>
        <source>VAT rate (%):</source>
        <translation>نسبة ضريبة القيمة المضافة (%):</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>ضريبة القيمة المضافة:</translation>
    </message>
    <message>
        <source>Total with VAT:</source>
        <translation>الإجمالي شامل الضريبة:</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>التأمين</translation>
    </message>
    <message>
        <source>Deposit kept:</source>
        <translation>المخصوم من التأمين:</translation>
    </message>
    <message>
        <source>Deposit refunded:</source>
        <translation>المردود من التأمين:</translation>
    </message>
    <message>
        <source>Still owed after the deposit and advances:</source>
        <translation>الباقي بعد المخصوم من التأمين والدفعات المقدمة:</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>نقدًا</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>بطاقة</translation>
    </message>
    <message>
        <source>Bank transfer</source>
        <translation>تحويل بنكي</translation>
    </message>
    <message>
        <source>Cheque</source>
        <translation>شيك</translation>
    </message>
    <message>
        <source>The deposit taken cannot be below 0.</source>
        <translation>لا يجوز أن يقل التأمين المستلم عن صفر.</translation>
    </message>
    <message>
        <source>The deposit kept (%1) and the deposit refunded (%2) must together make the deposit taken (%3).</source>
        <translation>يجب أن يساوي مجموع المخصوم من التأمين (%1) والمردود منه (%2) التأمين المستلم (%3).</translation>
    </message>
    <message>
        <source>The contract was not saved: the posting of its deposit to the ledger failed.</source>
        <translation>لم يُحفظ العقد: تعذّر ترحيل التأمين إلى دفتر الأستاذ.</translation>
    </message>
    <message>
        <source>Tax invoice No. %1</source>
        <translation>الفاتورة الضريبية رقم %1</translation>
    </message>
    <message>
        <source>Car condition at exit</source>
        <translation>حالة السيارة عند الخروج</translation>
    </message>
    <message>
        <source>Fuel out:</source>
        <translation>الوقود عند الخروج:</translation>
    </message>
    <message>
        <source>Damage details and photos…</source>
        <translation>تفاصيل الأضرار وصورها…</translation>
    </message>
    <message>
        <source>Car condition at return</source>
        <translation>حالة السيارة عند العودة</translation>
    </message>
    <message>
        <source>Fuel in:</source>
        <translation>الوقود عند العودة:</translation>
    </message>
    <message>
        <source>Missing fuel charge:</source>
        <translation>قيمة الوقود الناقص:</translation>
    </message>
    <message>
        <source>New damage charge:</source>
        <translation>قيمة الأضرار الجديدة:</translation>
    </message>
    <message>
        <source>fuel out</source>
        <translation>الوقود عند الخروج</translation>
    </message>
    <message>
        <source>fuel in</source>
        <translation>الوقود عند العودة</translation>
    </message>
    <message>
        <source>damage diagram</source>
        <translation>مخطط الأضرار</translation>
    </message>
    <message>
        <source>Tab: next view; arrows: move the cross; 1-4: kind; Enter or a click: mark the spot; Delete: take back a new mark</source>
        <translation>Tab: المنظر التالي؛ الأسهم: تحريك المؤشر؛ 1-4: النوع؛ Enter أو النقر: تعليم الموضع؛ Delete: التراجع عن علامة جديدة</translation>
    </message>
    <message>
        <source>Take back the %1 marked on the %2, with its photos?</source>
        <translation>هل تتراجع عن %1 المعلَّم على %2، مع صوره؟</translation>
    </message>
    <message>
        <source>Choose the car first (F6): its damage is kept on it.</source>
        <translation>اختر السيارة أولًا (F6): أضرارها تحفظ معها.</translation>
    </message>
</context>
<context>
    <name>frmReportPreview</name>
    <message>
        <source>Report</source>
        <translation>تقرير</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation>&amp;حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>Open in &amp;Writer</source>
        <translation>فتح في &amp;Writer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Report %1</source>
        <translation>التقرير %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>صفحة %1 من %2</translation>
    </message>
    <message>
        <source>%1 went to the printer.</source>
        <translation>أُرسل %1 إلى الطابعة.</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>حفظ التقرير بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>مستندات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF could not be saved as %1.</source>
        <translation>تعذّر حفظ ملف PDF باسم %1.</translation>
    </message>
</context>
<context>
    <name>frmReservation</name>
    <message>
        <source>Reservation</source>
        <translation>حجز سيارة</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>الحالة:</translation>
    </message>
    <message>
        <source>Pick Up</source>
        <translation>استلام</translation>
    </message>
    <message>
        <source>F4- Pick Up</source>
        <translation>F4- استلام</translation>
    </message>
    <message>
        <source>Cancel Booking</source>
        <translation>إلغاء الحجز</translation>
    </message>
    <message>
        <source>F2- Cancel Booking</source>
        <translation>F2- إلغاء الحجز</translation>
    </message>
    <message>
        <source>No-show</source>
        <translation>لم يحضر</translation>
    </message>
    <message>
        <source>F3- No-show</source>
        <translation>F3- لم يحضر</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>العميل</translation>
    </message>
    <message>
        <source>F5- Customer</source>
        <translation>F5- العميل</translation>
    </message>
    <message>
        <source>Customer #:</source>
        <translation>رقم العميل:</translation>
    </message>
    <message>
        <source>Mobile:</source>
        <translation>الجوال:</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>السيارة</translation>
    </message>
    <message>
        <source>F6- Car</source>
        <translation>F6- السيارة</translation>
    </message>
    <message>
        <source>Car #:</source>
        <translation>رقم السيارة:</translation>
    </message>
    <message>
        <source>Plate #:</source>
        <translation>رقم اللوحة:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Pick-up Date:</source>
        <translation>تاريخ الاستلام:</translation>
    </message>
    <message>
        <source>Pick-up Time:</source>
        <translation>وقت الاستلام:</translation>
    </message>
    <message>
        <source>Return Date:</source>
        <translation>تاريخ الإرجاع:</translation>
    </message>
    <message>
        <source>Return Time:</source>
        <translation>وقت الإرجاع:</translation>
    </message>
    <message>
        <source>Rent</source>
        <translation>الأجرة</translation>
    </message>
    <message>
        <source>Daily Rent:</source>
        <translation>الأجرة اليومية:</translation>
    </message>
    <message>
        <source>Deposit:</source>
        <translation>مبلغ التأمين:</translation>
    </message>
    <message>
        <source>Contract #:</source>
        <translation>رقم العقد:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>Print List F10</source>
        <translation>طباعة القائمة F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>الحجوزات</translation>
    </message>
    <message>
        <source>New Reservation</source>
        <translation>حجز جديد</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>محجوز</translation>
    </message>
    <message>
        <source>Picked up</source>
        <translation>تم الاستلام</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>ملغى</translation>
    </message>
    <message>
        <source>Choose the car (F6), or at least the type of car wanted.</source>
        <translation>اختر السيارة (F6)، أو على الأقل نوع السيارة المطلوبة.</translation>
    </message>
    <message>
        <source>The return must come after the pick-up.</source>
        <translation>يجب أن يكون الإرجاع بعد الاستلام.</translation>
    </message>
    <message>
        <source>Mark reservation %1 as &quot;%2&quot;? Its car is free again for those days.</source>
        <translation>هل تريد تسجيل الحجز %1 بحالة «%2»؟ تصبح سيارته متاحة في تلك الأيام.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <source>Contract %1 of reservation %2</source>
        <translation>العقد %1 من الحجز %2</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Ijar</source>
        <translation>إيجار</translation>
    </message>
    <message>
        <source>Car Rental Front Office</source>
        <translation>نظام تأجير السيارات</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
</context>
<context>
    <name>frmTrialBalance</name>
    <message>
        <source>Trial Balance</source>
        <translation>ميزان المراجعة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Acc #</source>
        <translation>رقم الحساب</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>الحساب</translation>
    </message>
    <message>
        <source>Debit</source>
        <translation>مدين</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>دائن</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>الرصيد</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <source>The debit and credit totals agree.</source>
        <translation>إجمالي المدين يساوي إجمالي الدائن.</translation>
    </message>
    <message>
        <source>The debit and credit totals differ by %1.</source>
        <translation>يختلف إجمالي المدين عن إجمالي الدائن بمقدار %1.</translation>
    </message>
</context>
<context>
    <name>frmVoucher</name>
    <message>
        <source>ID:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Voucher</source>
        <translation>السند</translation>
    </message>
    <message>
        <source>Entry Details:</source>
        <translation>بيانات السند:</translation>
    </message>
    <message>
        <source>Car:</source>
        <translation>السيارة:</translation>
    </message>
    <message>
        <source>Plate No.:</source>
        <translation>رقم اللوحة:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>المبلغ:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>البنك:</translation>
    </message>
    <message>
        <source>Cash:</source>
        <translation>نقدًا:</translation>
    </message>
    <message>
        <source>Cheque #:</source>
        <translation>شيك رقم:</translation>
    </message>
    <message>
        <source>Cheque details</source>
        <translation>تفاصيل الشيك</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New F8</source>
        <translation>جديد F8</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open F9</source>
        <translation>فتح F9</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save F12</source>
        <translation>حفظ F12</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete F11</source>
        <translation>حذف F11</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>طباعة القائمة</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print F7</source>
        <translation>طباعة F7</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>Car Income</source>
        <translation>إيرادات السيارات</translation>
    </message>
    <message>
        <source>New Car Income </source>
        <translation>سند إيراد سيارة جديد</translation>
    </message>
    <message>
        <source>Gen. Income</source>
        <translation>إيرادات عامة</translation>
    </message>
    <message>
        <source> New Income</source>
        <translation>سند إيراد جديد</translation>
    </message>
    <message>
        <source>Car Expense</source>
        <translation>مصروفات السيارات</translation>
    </message>
    <message>
        <source>New Car Expense </source>
        <translation>سند مصروف سيارة جديد</translation>
    </message>
    <message>
        <source>Gen. Expense</source>
        <translation>مصروفات عامة</translation>
    </message>
    <message>
        <source> New Expense</source>
        <translation>سند مصروف جديد</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>السيارة</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>رقم اللوحة</translation>
    </message>
    <message>
        <source>Car #</source>
        <translation>رقم السيارة</translation>
    </message>
    <message>
        <source>This journal belongs to a rental contract or a ledger entry; change it on the screen that made it.</source>
        <translation>هذا القيد يخص عقد إيجار أو قيد يومية؛ عدّله من الشاشة التي أنشأته.</translation>
    </message>
</context>
<context>
    <name>tafqeet</name>
    <message>
        <source>The amount %1 cannot be written in words: only amounts from 0 to 99,999,999.99 can be.</source>
        <translation>لا يمكن كتابة المبلغ %1 بالحروف: تكتب المبالغ من 0 إلى 99,999,999.99 فقط.</translation>
    </message>
</context>
</TS>
